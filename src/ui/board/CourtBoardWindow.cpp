#include "ui/board/CourtBoardWindow.h"

#include "app/CourtBoard.h"
#include "app/Help.h"
#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/QtText.h"
#include "suggestions/MatchTimes.h"
#include "ui/board/BoardHeader.h"
#include "ui/board/BoardSidePanel.h"
#include "ui/board/CourtCardWidget.h"
#include "ui/dialogs/JapaneseFonts.h"
#include "ui/phones/PhoneAccess.h"
#include "ui/phones/PhoneAddressView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>
#include <cmath>

namespace {

// The share of the width the courts take, the rest being the side column:
// a full hall needs the width for its courts, a quiet one leaves more room
// for who waits.
constexpr double kManyCourtsShare = 0.72;
constexpr double kFewCourtsShare = 0.64;
constexpr std::size_t kManyCourts = 7;

// The column count that draws the names largest for `count` cards.
int bestColumns(int count, const QSize& area, int namesPerSide) {
    int best = 1;
    int bestPixels = 0;
    for (int columns = 1; columns <= std::min(count, 4); ++columns) {
        const int rows = (count + columns - 1) / columns;
        const QSize card(area.width() / columns, area.height() / rows);
        const int pixels = CourtCardWidget::namePixelSizeFor(card, namesPerSide);
        if (pixels > bestPixels) {
            best = columns;
            bestPixels = pixels;
        }
    }
    return best;
}

} // namespace

CourtBoardWindow::CourtBoardWindow(Program& program, QWidget* organiser)
    : QWidget(nullptr), program_(program), organiser_(organiser),
      settings_(loadBoardSettings(program.settings)), theme_(boardTheme(settings_.highContrast)),
      photos_(program.workDir) {
    setObjectName(QStringLiteral("CourtBoard"));
    setWindowTitle(QStringLiteral("コートボード"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    resize(1280, 720);

    header_ = new BoardHeader(this);
    courtsArea_ = new QWidget(this);
    noCourts_ = new QLabel(QStringLiteral("試合中のコートはありません"), courtsArea_);
    noCourts_->setAlignment(Qt::AlignCenter);
    side_ = new BoardSidePanel(this);
    buildMenu();
    installHelpShortcut(*this, program_, HelpPage::kCourtBoard);

    ticker_.setInterval(kTickMilliseconds);
    connect(&ticker_, &QTimer::timeout, this, &CourtBoardWindow::tick);
    ticker_.start();
}

std::vector<CourtCardWidget*> CourtBoardWindow::courtCards() const {
    std::vector<CourtCardWidget*> shown;
    for (std::size_t i = 0; i < content_.courts.size() && i < cards_.size(); ++i) {
        shown.push_back(cards_[i]);
    }
    return shown;
}

void CourtBoardWindow::refresh() {
    if (!isVisible()) {
        return;
    }
    content_ = courtBoard(program_);
    const std::tm now = program_.clock.now();
    shownMinute_ = now.tm_min;
    renderContent();
    showTimer(secondsOf(now));
}

void CourtBoardWindow::renderContent() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, theme_.background);
    palette.setColor(QPalette::WindowText, theme_.text);
    setPalette(palette);
    header_->setTexts(toQString(content_.title), toQString(content_.clockText), theme_);
    side_->setContent(content_, shownStandings(), theme_);
    while (cards_.size() < content_.courts.size()) {
        cards_.push_back(new CourtCardWidget(photos_, courtsArea_));
    }
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        const bool shown = i < content_.courts.size();
        if (shown) {
            cards_[i]->setCard(content_.courts[i], content_.teamColours, theme_);
        }
        cards_[i]->setVisible(shown);
    }
    noCourts_->setVisible(content_.courts.empty());
    layOutParts();
}

// With the standings on, the side column turns every kStandingsTicks: the
// waits, 総合, the waits, 男子, the waits, 女子. When nobody waits and
// nothing is next, the standings stay.
const StandingsTable* CourtBoardWindow::shownStandings() const {
    if (!settings_.standingsShown) {
        return nullptr;
    }
    const bool idle = content_.waiting.empty() && content_.nextMatches.empty();
    if (standingsIndex_ % 2 == 0 && !idle) {
        return nullptr;
    }
    return &content_.standings.at(static_cast<std::size_t>(standingsIndex_ / 2 % 3));
}

void CourtBoardWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutParts();
}

// Header on top, the courts on the left, the side column on the right; the
// margins and the header grow with the window.
void CourtBoardWindow::layOutParts() {
    const int top = menuBar_->isVisible() ? menuBar_->sizeHint().height() : 0;
    menuBar_->setGeometry(0, 0, width(), top);
    const int h = height() - top;
    const int margin = std::max(4, h / 90);
    const int headerHeight = std::max(24, h * 9 / 100);
    header_->setGeometry(margin, top + margin, width() - 2 * margin, headerHeight);
    const int bodyTop = top + 2 * margin + headerHeight;
    const int bodyHeight = std::max(1, height() - bodyTop - margin);
    const double share = content_.courts.size() >= kManyCourts ? kManyCourtsShare : kFewCourtsShare;
    const int courtsWidth = static_cast<int>(std::lround(width() * share)) - margin;
    courtsArea_->setGeometry(margin, bodyTop, courtsWidth, bodyHeight);
    const int sideWidth = width() - courtsWidth - 4 * margin;
    int sideHeight = bodyHeight;
    if (phoneAddress_ != nullptr && !phoneAddress_->isHidden()) {
        // Modules of about a 120th of the height: scannable across a hall.
        phoneAddress_->setModuleSize(std::max(3, h / 120));
        const int codeHeight = std::min(phoneAddress_->sizeHint().height(), bodyHeight / 2);
        sideHeight = bodyHeight - codeHeight - margin;
        phoneAddress_->setGeometry(margin * 3 + courtsWidth, bodyTop + sideHeight + margin,
                                   sideWidth, codeHeight);
    }
    side_->setGeometry(margin * 3 + courtsWidth, bodyTop, sideWidth, sideHeight);
    layOutCourts(courtsArea_->rect());
}

void CourtBoardWindow::showPhoneAddress(PhoneAccess& access) {
    if (phoneAddress_ == nullptr) {
        phoneAddress_ = new PhoneAddressView(access, 3, this);
        connect(&access, &PhoneAccess::changed, this, &CourtBoardWindow::layOutParts);
        layOutParts();
    }
}

void CourtBoardWindow::layOutCourts(const QRect& area) {
    QFont font = japaneseTextFont(10);
    font.setPixelSize(std::max(12, area.height() / 14));
    noCourts_->setFont(font);
    noCourts_->setStyleSheet(QStringLiteral("color: %1").arg(theme_.dimText.name()));
    noCourts_->setGeometry(area);
    const int count = static_cast<int>(content_.courts.size());
    if (count == 0) {
        return;
    }
    const int namesPerSide =
        static_cast<int>(std::max<std::size_t>(1, content_.courts[0].sides[0].members.size()));
    const int gap = std::max(4, area.height() / 100);
    const int columns = bestColumns(count, area.size(), namesPerSide);
    const int rows = (count + columns - 1) / columns;
    const int w = (area.width() - (columns - 1) * gap) / columns;
    // Cards no taller than 2/7 of their width: a taller card gives the court
    // number and the pictures room the names need.
    const int h = std::min((area.height() - (rows - 1) * gap) / rows, w * 2 / 7);
    for (int i = 0; i < count; ++i) {
        cards_[static_cast<std::size_t>(i)]->setGeometry((i % columns) * (w + gap),
                                                         (i / columns) * (h + gap), w, h);
    }
}

void CourtBoardWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F11) {
        toggleFullScreen();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CourtBoardWindow::tick() {
    if (!isVisible()) {
        return;
    }
    const std::tm now = program_.clock.now();
    ++ticks_;
    const bool rotate = settings_.standingsShown && ticks_ % kStandingsTicks == 0;
    if (rotate) {
        standingsIndex_ = (standingsIndex_ + 1) % 6;
    }
    const bool finishedShown = std::any_of(content_.courts.begin(), content_.courts.end(),
                                           [](const CourtCard& card) { return card.finished; });
    if (now.tm_min != shownMinute_ || finishedShown) {
        refresh();
    } else if (rotate) {
        side_->setContent(content_, shownStandings(), theme_);
    }
    showTimer(secondsOf(now));
}

// The countdown; the first tick at zero sounds the beep and starts the
// flash.
void CourtBoardWindow::showTimer(long long now) {
    const TimerPhase phase = round_.phase(now);
    if (phase == TimerPhase::Zero && lastPhase_ != TimerPhase::Zero) {
        program_.platform.beep();
        zeroAt_ = now;
    }
    lastPhase_ = phase;
    const bool flashOn = phase == TimerPhase::Zero && now - zeroAt_ < kFlashSeconds && ticks_ % 2;
    header_->setTimer(toQString(round_.text(now)), phase, flashOn);
}

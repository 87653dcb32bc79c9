#include "ui/board/BoardSidePanel.h"

#include "platform/qt/QtText.h"
#include "suggestions/SuggestionText.h"
#include "ui/dialogs/JapaneseFonts.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMinPixels = 12;

QFont pixelFont(int pixels, bool bold = false) {
    QFont font = japaneseTextFont(10);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    return font;
}

int lineOf(int pixels) {
    return pixels * 13 / 10;
}

} // namespace

BoardSidePanel::BoardSidePanel(QWidget* parent) : QWidget(parent), theme_(boardTheme(false)) {
    setFocusPolicy(Qt::NoFocus);
}

void BoardSidePanel::setContent(const BoardContent& content, const StandingsTable* standings,
                                const BoardTheme& theme) {
    content_ = content;
    standings_ = standings ? std::optional<StandingsTable>(*standings) : std::nullopt;
    theme_ = theme;
    update();
}

void BoardSidePanel::paintEvent(QPaintEvent*) {
    // The largest text up to a twenty-fourth of the height (and a twelfth
    // of the width) that lets everything fit.
    int pixels = std::max(kMinPixels, std::min(height() / 24, width() / 12));
    // A standings line holds a rank, a name and its figures: about fourteen
    // characters.
    if (standings_) {
        pixels = std::max(kMinPixels, std::min(pixels, width() / 14));
    }
    while (pixels > kMinPixels && layOut(nullptr, pixels) > height()) {
        --pixels;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    layOut(&painter, pixels);
}

int BoardSidePanel::layOut(QPainter* painter, int pixels) const {
    if (standings_) {
        return paintStandings(painter, pixels, 0);
    }
    return paintWaiting(painter, pixels, paintNext(painter, pixels, 0));
}

void BoardSidePanel::none(QPainter* painter, int pixels, int top) const {
    if (painter) {
        painter->setFont(pixelFont(pixels));
        painter->setPen(theme_.dimText);
        painter->drawText(QRect(0, top, width(), lineOf(pixels)), Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("（なし）"));
    }
}

int BoardSidePanel::heading(QPainter* painter, int pixels, int top, const QString& text) const {
    const int height = lineOf(pixels * 5 / 4);
    if (painter) {
        painter->setPen(theme_.heading);
        painter->setFont(pixelFont(pixels * 5 / 4, true));
        painter->drawText(QRect(0, top, width(), height), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->drawLine(0, top + height - 2, width(), top + height - 2);
    }
    return top + height + pixels / 4;
}

// Each next match on two lines: its number and side 0, then "ＶＳ" and side 1.
int BoardSidePanel::paintNext(QPainter* painter, int pixels, int top) const {
    top = heading(painter, pixels, top, QStringLiteral("次の試合"));
    const int line = lineOf(pixels);
    int number = 1;
    for (const NextMatch& next : content_.nextMatches) {
        if (painter) {
            painter->setFont(pixelFont(pixels, true));
            painter->setPen(theme_.text);
            painter->drawText(
                QRect(0, top, width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                QStringLiteral("%1  %2").arg(number).arg(toQString(joinedNames(next.sides[0]))));
            painter->drawText(
                QRect(0, top + line, width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                QStringLiteral("   ＶＳ %1").arg(toQString(joinedNames(next.sides[1]))));
        }
        top += 2 * line + pixels / 3;
        ++number;
    }
    if (content_.nextMatches.empty()) {
        none(painter, pixels, top);
        top += line;
    }
    return top + pixels / 2;
}

// Two columns of "name  NN分", read down the first column, then 休.
int BoardSidePanel::paintWaiting(QPainter* painter, int pixels, int top) const {
    top = heading(painter, pixels, top, QStringLiteral("待ち"));
    const int line = lineOf(pixels);
    const int rows = static_cast<int>((content_.waiting.size() + 1) / 2);
    const int column = width() / 2;
    if (painter) {
        painter->setFont(pixelFont(pixels));
        for (std::size_t i = 0; i < content_.waiting.size(); ++i) {
            const WaitingMember& m = content_.waiting[i];
            const int row = static_cast<int>(i) % std::max(1, rows);
            const QRect cell(static_cast<int>(i) / std::max(1, rows) * column, top + row * line,
                             column - pixels / 2, line);
            painter->setPen(theme_.text);
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, toQString(m.name));
            if (m.minutesWaited) {
                painter->setPen(theme_.dimText);
                painter->drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                                  QStringLiteral("%1分").arg(*m.minutesWaited));
            }
        }
    }
    if (content_.waiting.empty()) {
        none(painter, pixels, top);
    }
    top += std::max(rows, 1) * line + pixels / 3;
    if (!content_.resting.empty()) {
        std::vector<std::u16string> names;
        for (const WaitingMember& m : content_.resting) {
            names.push_back(m.name);
        }
        const QString text = QStringLiteral("休　") + toQString(joinedNames(names));
        const QFont font = pixelFont(pixels);
        const QRect box =
            QFontMetrics(font).boundingRect(QRect(0, top, width(), 10000), Qt::TextWordWrap, text);
        if (painter) {
            painter->setFont(font);
            painter->setPen(theme_.dimText);
            painter->drawText(QRect(0, top, width(), box.height()), Qt::TextWordWrap, text);
        }
        top += box.height();
    }
    return top + pixels / 2;
}

// 「順位　総合」 and a line per member: rank, name, matches, wins, win rate.
int BoardSidePanel::paintStandings(QPainter* painter, int pixels, int top) const {
    top = heading(painter, pixels, top, QStringLiteral("順位　") + toQString(standings_->title));
    const int line = lineOf(pixels);
    if (painter) {
        const QFont font = pixelFont(pixels);
        painter->setFont(font);
        const QFontMetrics metrics(font);
        const int w = width();
        const int rankWidth = metrics.horizontalAdvance(QStringLiteral("10 "));
        for (const StandingRow& row : standings_->rows) {
            const QString figures =
                QStringLiteral("%1試合 %2勝 %3%").arg(row.matches).arg(row.wins).arg(row.winRate);
            const int nameRight = w - metrics.horizontalAdvance(figures) - pixels / 2;
            painter->setPen(theme_.text);
            painter->drawText(QRect(0, top, rankWidth, line), Qt::AlignRight | Qt::AlignVCenter,
                              QString::number(row.rank));
            const QRect nameBox(rankWidth + pixels / 2, top,
                                std::max(0, nameRight - rankWidth - pixels / 2), line);
            painter->drawText(
                nameBox, Qt::AlignLeft | Qt::AlignVCenter,
                metrics.elidedText(toQString(row.name), Qt::ElideRight, nameBox.width()));
            painter->setPen(theme_.dimText);
            painter->drawText(QRect(0, top, w, line), Qt::AlignRight | Qt::AlignVCenter, figures);
            top += line;
        }
    } else {
        top += static_cast<int>(standings_->rows.size()) * line;
    }
    if (standings_->rows.empty()) {
        top += line;
    }
    return top;
}

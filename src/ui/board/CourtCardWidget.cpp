#include "ui/board/CourtCardWidget.h"

#include "platform/qt/QtText.h"
#include "ui/board/BoardPhotos.h"
#include "ui/dialogs/JapaneseFonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMargin = 6;

QFont pixelFont(int pixels, bool bold = false) {
    QFont font = japaneseTextFont(10);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    return font;
}

// Room for four full-width characters, the longest short name.
constexpr int kNameEms = 4;

// The name's font at `pixels`, made smaller (down to two thirds) when a
// long name in Latin letters or half-width kana would not fit `width`.
QFont fittedFont(const QString& name, int pixels, int width) {
    QFont font = pixelFont(pixels, true);
    const int needed = QFontMetrics(font).horizontalAdvance(name);
    if (needed > width && needed > 0) {
        font.setPixelSize(std::max(pixels * 2 / 3, pixels * width / needed));
    }
    return font;
}

} // namespace

CourtCardWidget::CourtCardWidget(BoardPhotos& photos, QWidget* parent)
    : QWidget(parent), photos_(photos), theme_(boardTheme(false)) {
    setFocusPolicy(Qt::NoFocus);
}

void CourtCardWidget::setCard(const CourtCard& card, bool teamColours, const BoardTheme& theme) {
    card_ = card;
    teamColours_ = teamColours;
    theme_ = theme;
    setObjectName(QStringLiteral("court%1%2")
                      .arg(card.court)
                      .arg(card.finished ? QStringLiteral("Finished") : QString()));
    update();
}

int CourtCardWidget::numberWidth(const QSize& size) {
    return std::max(40, size.height() * 11 / 20);
}

int CourtCardWidget::versusWidth(const QSize& size) {
    return std::max(24, size.height() / 4);
}

int CourtCardWidget::sideWidth(const QSize& size) {
    return std::max(1, (size.width() - numberWidth(size) - versusWidth(size) - 2 * kMargin) / 2);
}

// Doubles stack two names in a side; singles give its one name the height
// of both.
int CourtCardWidget::lineHeight(const QSize& size, int namesPerSide) {
    return std::max(1, (size.height() - 2 * kMargin) / std::max(1, namesPerSide));
}

// A portrait box three quarters of the line high, at most a fifth of the
// side wide (singles' tall lines would otherwise leave the name no room).
QSize CourtCardWidget::photoBox(const QSize& size, int namesPerSide) {
    const int width = std::min(lineHeight(size, namesPerSide) * 3 / 4 * 3 / 4, sideWidth(size) / 5);
    return {width, width * 4 / 3};
}

int CourtCardWidget::namesPerSide() const {
    return static_cast<int>(std::max<std::size_t>(1, card_.sides[0].members.size()));
}

int CourtCardWidget::namePixelSize() const {
    return namePixelSizeFor(size(), namesPerSide());
}

// As large as a line allows, narrowed so that the picture and four
// full-width characters fit the side.
int CourtCardWidget::namePixelSizeFor(const QSize& size, int namesPerSide) {
    const int line = lineHeight(size, namesPerSide);
    const int byHeight = line * 7 / 10;
    const int photo = photoBox(size, namesPerSide).width();
    const int byWidth = (sideWidth(size) - photo - kMargin) / kNameEms;
    return std::max(8, std::min(byHeight, byWidth));
}

void CourtCardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(theme_.cardBorder, 3));
    painter.setBrush(card_.finished ? theme_.finishedBack : theme_.cardBack);
    painter.drawRoundedRect(frame, 10, 10);

    paintNumber(painter);
    const int left = numberWidth(size()) + kMargin;
    paintSide(painter, card_.sides[0], left);
    painter.setPen(theme_.dimText);
    painter.setFont(pixelFont(versusWidth(size()) * 2 / 3, true));
    if (card_.finished) {
        painter.setPen(theme_.heading);
    }
    painter.drawText(QRect(left + sideWidth(size()), 0, versusWidth(size()), height()),
                     Qt::AlignCenter,
                     card_.finished ? QStringLiteral("－") : QStringLiteral("ＶＳ"));
    paintSide(painter, card_.sides[1], left + sideWidth(size()) + versusWidth(size()));
}

// The court number large, the minutes (or 終了 and the games) below it.
void CourtCardWidget::paintNumber(QPainter& painter) const {
    const int w = numberWidth(size());
    painter.setPen(theme_.heading);
    painter.setFont(pixelFont(height() * 9 / 20, true));
    painter.drawText(QRect(0, 0, w, height() * 3 / 5), Qt::AlignCenter,
                     QString::number(card_.court));
    painter.setFont(pixelFont(height() / 7, true));
    const QRect below(0, height() * 3 / 5, w, height() * 2 / 5 - kMargin);
    if (card_.finished) {
        painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("終了\n%1－%2").arg(card_.games[0]).arg(card_.games[1]));
    } else if (card_.minutesPlayed) {
        painter.setPen(theme_.dimText);
        painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("%1分").arg(*card_.minutesPlayed));
    }
}

void CourtCardWidget::paintSide(QPainter& painter, const BoardSide& side, int left) {
    const int line = lineHeight(size(), namesPerSide());
    const QSize photoBox = CourtCardWidget::photoBox(size(), namesPerSide());
    const QColor colour = teamColours_ ? theme_.teams.at(side.team == 1 ? 1 : 0) : theme_.text;
    int top = kMargin;
    for (const BoardMember& member : side.members) {
        const QPixmap photo = photos_.photo(member.photoFile, photoBox, *this);
        if (!photo.isNull()) {
            const QSize shown = photo.deviceIndependentSize().toSize();
            painter.drawPixmap(left, top + (line - shown.height()) / 2, photo);
        }
        painter.setPen(colour);
        const QRect text(left + photoBox.width() + kMargin, top,
                         sideWidth(size()) - photoBox.width() - kMargin, line);
        painter.setFont(fittedFont(toQString(member.name), namePixelSize(), text.width()));
        const QString name = QFontMetrics(painter.font())
                                 .elidedText(toQString(member.name), Qt::ElideRight, text.width());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);
        top += line;
    }
}

#include "ui/board/BoardHeader.h"

#include "ui/dialogs/JapaneseFonts.h"

#include <QPainter>

#include <algorithm>

namespace {

QFont pixelFont(int pixels) {
    QFont font = japaneseTextFont(10);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(true);
    return font;
}

} // namespace

BoardHeader::BoardHeader(QWidget* parent) : QWidget(parent), theme_(boardTheme(false)) {
    setFocusPolicy(Qt::NoFocus);
}

void BoardHeader::setTexts(const QString& title, const QString& clock, const BoardTheme& theme) {
    title_ = title;
    clock_ = clock;
    theme_ = theme;
    update();
}

void BoardHeader::setTimer(const QString& text, TimerPhase phase, bool flashOn) {
    timer_ = text;
    phase_ = phase;
    flashOn_ = flashOn;
    update();
}

void BoardHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int h = height();
    const int third = width() / 3;
    painter.setPen(theme_.heading);
    painter.setFont(pixelFont(h * 11 / 20));
    painter.drawText(QRect(0, 0, third * 3 / 2, h), Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.setFont(pixelFont(h * 3 / 4));
    painter.setPen(theme_.text);
    painter.drawText(QRect(third * 2, 0, third, h), Qt::AlignRight | Qt::AlignVCenter, clock_);

    if (phase_ == TimerPhase::Off) {
        return;
    }
    // The countdown sits in the middle, over the title when it is long.
    const QRect box(third + third / 4, 0, third / 2, h);
    QColor back = theme_.cardBack;
    QColor fore = theme_.text;
    if (phase_ == TimerPhase::Warning) {
        fore = theme_.warning;
    } else if (phase_ == TimerPhase::Zero) {
        fore = flashOn_ ? theme_.cardBack : theme_.alarm;
        back = flashOn_ ? theme_.alarm : theme_.cardBack;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(back);
    painter.setPen(QPen(theme_.cardBorder, 2));
    painter.drawRoundedRect(QRectF(box).adjusted(1, 1, -1, -1), 8, 8);
    painter.setPen(fore);
    painter.setFont(pixelFont(h * 17 / 20));
    painter.drawText(box, Qt::AlignCenter, timer_);
}

#pragma once

#include "board/RoundTimer.h"
#include "ui/board/BoardTheme.h"

#include <QString>
#include <QWidget>

// The board's top line: the meeting title, the round timer's countdown in
// the middle (warning colour in the last minute, flashing at zero) and the
// clock.
class BoardHeader : public QWidget {
    Q_OBJECT
public:
    explicit BoardHeader(QWidget* parent);

    void setTexts(const QString& title, const QString& clock, const BoardTheme& theme);
    // The countdown and its phase; `flashOn` draws the zero flash.
    void setTimer(const QString& text, TimerPhase phase, bool flashOn);

    const QString& timerText() const { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QString clock_;
    QString timer_;
    TimerPhase phase_ = TimerPhase::Off;
    bool flashOn_ = false;
    BoardTheme theme_;
};

#pragma once

#include "board/BoardContent.h"
#include "ui/board/BoardTheme.h"

#include <QWidget>

class QPainter;

// The board's right column: 「次の試合」, 「待ち」 with the minutes waited and
// the resting members (休); or, in its turn, one standings table. The text
// shrinks until everything fits the column.
class BoardSidePanel : public QWidget {
    Q_OBJECT
public:
    explicit BoardSidePanel(QWidget* parent);

    // `standings` is the table to show instead of the next matches and the
    // waits, or null.
    void setContent(const BoardContent& content, const StandingsTable* standings,
                    const BoardTheme& theme);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Paints (or, without a painter, only measures) the column at a text
    // size; returns the height it takes.
    int layOut(QPainter* painter, int pixels) const;
    int paintNext(QPainter* painter, int pixels, int top) const;
    int paintWaiting(QPainter* painter, int pixels, int top) const;
    int paintStandings(QPainter* painter, int pixels, int top) const;
    int heading(QPainter* painter, int pixels, int top, const QString& text) const;
    // "（なし）" for an empty section.
    void none(QPainter* painter, int pixels, int top) const;

    BoardContent content_;
    std::optional<StandingsTable> standings_;
    BoardTheme theme_;
};

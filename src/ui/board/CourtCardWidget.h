#pragma once

#include "board/BoardContent.h"
#include "ui/board/BoardTheme.h"

#include <QWidget>

class BoardPhotos;

// One court on the board: the court number with the minutes played, then
// each side's names with their pictures, "ＶＳ" between them. A match just
// finished is drawn on the finished colour with its games instead of the
// minutes. Sizes follow the widget's size.
class CourtCardWidget : public QWidget {
    Q_OBJECT
public:
    CourtCardWidget(BoardPhotos& photos, QWidget* parent);

    void setCard(const CourtCard& card, bool teamColours, const BoardTheme& theme);
    const CourtCard& card() const { return card_; }

    // The pixel size names are drawn at, for the card's present size.
    int namePixelSize() const;
    // The same for a card of `size` with `namesPerSide` names a side.
    static int namePixelSizeFor(const QSize& size, int namesPerSide);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static int numberWidth(const QSize& size);
    static int versusWidth(const QSize& size);
    static int sideWidth(const QSize& size);
    static int lineHeight(const QSize& size, int namesPerSide);
    static QSize photoBox(const QSize& size, int namesPerSide);
    int namesPerSide() const;
    void paintNumber(class QPainter& painter) const;
    void paintSide(QPainter& painter, const BoardSide& side, int left);

    BoardPhotos& photos_;
    CourtCard card_;
    bool teamColours_ = false;
    BoardTheme theme_;
};

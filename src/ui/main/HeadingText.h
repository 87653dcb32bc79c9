#pragma once

#include <QFont>
#include <QString>

// A heading cell of the main grid as drawn: its font, its text, and its whole
// text as a tooltip when the drawn text is elided.
struct HeadingText {
    QFont font;
    QString text;
    QString toolTip;
};

// Fits a heading into the room its cell leaves for text (pixels), following
// the layout rules from the layout's font: the font shrinks until the text
// fits, and below the legible floor the text is elided.
HeadingText fitHeadingText(const QString& text, const QFont& layoutFont, int room);

#include "ui/main/HeadingText.h"

#include "app/HeadingFit.h"

#include <QFontMetrics>

HeadingText fitHeadingText(const QString& text, const QFont& layoutFont, int room) {
    HeadingText shown{layoutFont, text, {}};
    // Text does not get exactly narrower in proportion to its size: measure
    // again at each size the rules give until it fits or is elided.
    HeadingFit fit{layoutFont.pointSizeF(), false};
    for (;;) {
        const int width = QFontMetrics(shown.font).horizontalAdvance(text);
        const HeadingFit next = fitHeading(room, width, fit.pointSize, kLegibleHeadingPoints);
        if (next.pointSize == fit.pointSize && !next.elided) {
            break;
        }
        fit = next;
        shown.font.setPointSizeF(fit.pointSize);
        if (fit.elided) {
            break;
        }
    }
    if (fit.elided) {
        shown.text = QFontMetrics(shown.font).elidedText(text, Qt::ElideRight, room);
        shown.toolTip = text;
    }
    return shown;
}

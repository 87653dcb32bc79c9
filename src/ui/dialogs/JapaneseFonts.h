#pragma once

#include <QFont>

// Fonts that show Japanese text. The fixed-pitch one gives full-width
// characters exactly two columns and half-width ones one, so that the
// report's lines, built as columns of characters, line up.
QFont japaneseFixedFont(qreal pointSize);
QFont japaneseTextFont(qreal pointSize);

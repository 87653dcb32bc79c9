#pragma once

#include <QColor>

#include <array>

// The board's colours: a light theme for dim halls and a high-contrast one
// (light text on dark) for bright halls and weak projectors.
struct BoardTheme {
    QColor background;
    QColor text;
    QColor dimText;
    QColor cardBack;
    QColor cardBorder;
    QColor finishedBack;
    QColor heading;
    QColor warning;
    QColor alarm;
    std::array<QColor, 2> teams; // team A, team B
};

BoardTheme boardTheme(bool highContrast);

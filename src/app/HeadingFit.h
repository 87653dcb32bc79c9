#pragma once

// How a heading of the pairing table (a member's short name, a standings
// label) is drawn in its cell: at the layout's font size when it fits, else
// smaller, and below a legible size elided with its whole name as a tooltip.
struct HeadingFit {
    double pointSize = 0;
    bool elided = false;
    bool operator==(const HeadingFit&) const = default;
};

// The smallest size, in points, a heading shrinks to before it is elided.
inline constexpr double kLegibleHeadingPoints = 8;

// cellWidth: the width the cell leaves for text; textWidth: the text's width
// at pointSize, in the same unit. The size returned is in half points, below
// pointSize whenever the text does not fit, and never below the floor (nor
// above pointSize when pointSize is already below the floor). Text width
// grows about linearly with the size, so a caller that measures again at the
// returned size and finds it still too wide asks again from there.
HeadingFit fitHeading(int cellWidth, int textWidth, double pointSize, double floorSize);

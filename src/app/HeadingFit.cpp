#include "app/HeadingFit.h"

#include <algorithm>
#include <cmath>

HeadingFit fitHeading(int cellWidth, int textWidth, double pointSize, double floorSize) {
    if (textWidth <= cellWidth || textWidth <= 0) {
        return {pointSize, false};
    }
    const double floor = std::min(floorSize, pointSize);
    const double scaled = pointSize * std::max(cellWidth, 0) / textWidth;
    // Half points, and at least half a point smaller, so asking again from
    // the answer always moves towards the floor.
    const double fitted = std::min(std::floor(scaled * 2) / 2, pointSize - 0.5);
    if (fitted < floor) {
        return {floor, true};
    }
    return {fitted, false};
}

#include "app/HeadingFit.h"

#include <gtest/gtest.h>

TEST(HeadingFitTest, ShrinksToFitDownToTheFloorThenElides) {
    struct Case {
        int cellWidth;
        int textWidth;
        double pointSize;
        double floorSize;
        HeadingFit expected;
    };
    const Case cases[] = {
        {50, 50, 13, 8, {13, false}}, // fits exactly
        {50, 20, 13, 8, {13, false}}, // never grows
        {0, 0, 13, 8, {13, false}},   // nothing to show
        {-6, 0, 13, 8, {13, false}},
        {50, 60, 13, 8, {10.5, false}}, // 13 × 50 / 60 = 10.83, down to half points
        {50, 51, 13, 8, {12.5, false}}, // just too wide: half a point smaller
        {48, 78, 13, 8, {8, false}},    // exactly the floor
        {48, 79, 13, 8, {8, true}},     // below the floor
        {0, 30, 13, 8, {8, true}},      // no room at all
        {-4, 30, 13, 8, {8, true}},
        {40, 60, 7.5, 8, {7.5, true}}, // a layout size under the floor is not raised
        {40, 41, 8.5, 8, {8, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fitHeading(c.cellWidth, c.textWidth, c.pointSize, c.floorSize), c.expected)
            << c.cellWidth << " " << c.textWidth << " " << c.pointSize;
    }
}

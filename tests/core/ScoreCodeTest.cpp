#include "results/ScoreCode.h"

#include <gtest/gtest.h>

TEST(ScoreCode, PercentRoundsHalvesToEven) {
    EXPECT_EQ(percentOf(1, 8), 12);
    EXPECT_EQ(percentOf(3, 8), 38);
    EXPECT_EQ(percentOf(5, 8), 62);
    EXPECT_EQ(percentOf(2, 3), 67);
    EXPECT_EQ(percentOf(1, 200), 0);
    EXPECT_EQ(percentOf(3, 200), 2);
    EXPECT_EQ(percentOf(5, 0), 0);
}

#include "text/Rounding.h"

#include <gtest/gtest.h>

TEST(Rounding, HalfToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(12.5), 12);
    EXPECT_EQ(roundHalfEven(100.0 / 8.0), 12);
    EXPECT_EQ(roundHalfEven(500.0 / 8.0), 62);
    EXPECT_EQ(roundHalfEven(200.0 / 3.0), 67);
    int value = 7;
    EXPECT_FALSE(roundHalfEvenToInt32(3e9, value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(roundHalfEvenToInt32(2147483647.0, value));
    EXPECT_EQ(value, 2147483647);
}

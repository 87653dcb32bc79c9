#include "text/NumberPattern.h"

#include <gtest/gtest.h>

TEST(NumberPattern, PlaceholdersZeroesAndLiterals) {
    EXPECT_EQ(formatNumber(5LL, u"##0"), u"5");
    EXPECT_EQ(formatNumber(0LL, u"##0"), u"0");
    EXPECT_EQ(formatNumber(5LL, u" #00"), u" 05");
    EXPECT_EQ(formatNumber(7LL, u" 000 "), u" 007 ");
    EXPECT_EQ(formatNumber(12LL, u"#0"), u"12");
    EXPECT_EQ(formatNumber(3LL, u"00"), u"03");
    EXPECT_EQ(formatNumber(6LL, u" ##0"), u" 6");
    EXPECT_EQ(formatNumber(2LL, u"   ##0"), u"   2");
    EXPECT_EQ(formatNumber(45LL, u"##0:"), u"45:");
}

TEST(NumberPattern, ExtraDigitsAreNeverLost) {
    EXPECT_EQ(formatNumber(1234LL, u" #00"), u" 1234");
    EXPECT_EQ(formatNumber(1002LL, u" 000 "), u" 1002 ");
    EXPECT_EQ(formatNumber(-5LL, u" #00"), u"- 05");
}

TEST(NumberPattern, RealNumbersRoundHalfToEven) {
    EXPECT_EQ(formatNumber(2.5, u"###0"), u"2");
    EXPECT_EQ(formatNumber(3.5, u"###0"), u"4");
}

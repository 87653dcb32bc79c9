#include "text/LeadingNumber.h"

#include <gtest/gtest.h>

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    EXPECT_EQ(leadingNumber(u""), 0.0);
    EXPECT_EQ(leadingNumber(u"abc"), 0.0);
    EXPECT_EQ(leadingNumber(u"2.5"), 2.5);
    EXPECT_EQ(leadingNumber(u"12abc"), 12.0);
    EXPECT_EQ(leadingNumber(u"  -3"), -3.0);
    EXPECT_EQ(leadingNumber(u"1e3"), 1000.0);
    EXPECT_EQ(leadingNumber(u"1e"), 1.0);
}

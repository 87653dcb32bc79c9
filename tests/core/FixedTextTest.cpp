#include "text/FixedText.h"

#include <gtest/gtest.h>

TEST(FixedText, PadsAndCutsInCharacters) {
    FixedText<8> abbrev(u"山田");
    EXPECT_EQ(abbrev.str(), u"山田      ");
    abbrev = u"あいうえおかきくけこ";
    EXPECT_EQ(abbrev.str(), u"あいうえおかきく");
}

#include "text/Cp932.h"
#include "text/FixedText.h"
#include "text/LeadingNumber.h"
#include "text/NumberPattern.h"
#include "text/Rounding.h"

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

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    EXPECT_EQ(leadingNumber(u""), 0.0);
    EXPECT_EQ(leadingNumber(u"abc"), 0.0);
    EXPECT_EQ(leadingNumber(u"2.5"), 2.5);
    EXPECT_EQ(leadingNumber(u"12abc"), 12.0);
    EXPECT_EQ(leadingNumber(u"  -3"), -3.0);
    EXPECT_EQ(leadingNumber(u"1e3"), 1000.0);
    EXPECT_EQ(leadingNumber(u"1e"), 1.0);
}

TEST(FixedText, PadsAndCutsInCharacters) {
    FixedText<8> abbrev(u"山田");
    EXPECT_EQ(abbrev.str(), u"山田      ");
    abbrev = u"あいうえおかきくけこ";
    EXPECT_EQ(abbrev.str(), u"あいうえおかきく");
}

TEST(Cp932, FieldsCutPadAndDropASplitCharacter) {
    std::uint8_t field[9];
    field[8] = 0x7F;
    cp932::writeField(field, 8, u"ｱｲ山田太郎");
    // Two half-width katakana (1 byte each), then 山 田 太 (2 bytes each); 郎 does not fit.
    EXPECT_EQ(std::string(reinterpret_cast<char*>(field), 8), cp932::encode(u"ｱｲ山田太"));
    EXPECT_EQ(field[8], 0x7F);

    cp932::writeField(field, 8, u"ｱ山田太郎");
    // 1 + 2 + 2 + 2 = 7 bytes; the fourth kanji would be split: a blank stands in.
    EXPECT_EQ(field[7], ' ');
    EXPECT_EQ(cp932::readField(field, 8), u"ｱ山田太    ");
}

TEST(Cp932, ReadPadsToTheFieldsByteCount) {
    std::uint8_t field[20];
    cp932::writeField(field, 20, u"チーム　Ａ");
    const std::u16string text = cp932::readField(field, 20);
    EXPECT_EQ(text.size(), 20U);
    EXPECT_EQ(text.substr(0, 5), u"チーム　Ａ");
}

TEST(Cp932, RoundTripOfKanjiKanaAndHalfWidthKatakana) {
    const std::u16string text = u"テニスの試合ｼﾝｸﾞﾙｽ漢字ひらがな";
    EXPECT_EQ(cp932::decode(cp932::encode(text)), text);
    EXPECT_EQ(cp932::encode(u"😀"), "?");
}

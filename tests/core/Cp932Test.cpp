#include "text/Cp932.h"

#include <gtest/gtest.h>

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

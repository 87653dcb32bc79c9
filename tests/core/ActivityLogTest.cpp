#include "StorageFixture.h"

#include "app/LogCommands.h"
#include "text/Cp932.h"
#include "text/FixedText.h"

namespace {

constexpr std::size_t kRecord = 84;

std::int32_t countIn(const std::vector<std::uint8_t>& bytes) {
    return static_cast<std::int32_t>(bytes.at(0) | (bytes.at(1) << 8) | (bytes.at(2) << 16) |
                                     (bytes.at(3) << 24));
}

std::u16string lineIn(const std::vector<std::uint8_t>& bytes, std::size_t entry) {
    return cp932::readField(&bytes.at((entry - 1) * kRecord + 4), 80);
}

// A log of `records` entries whose record 1 claims `count`.
void writeLog(const std::filesystem::path& file, std::size_t records, std::int32_t count) {
    std::vector<std::uint8_t> bytes(records * kRecord, 0x20);
    const auto bits = static_cast<std::uint32_t>(count);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
    }
    for (std::size_t r = 1; r < records; ++r) {
        std::fill_n(bytes.begin() + static_cast<long>(r * kRecord), 4, 0);
    }
    writeBytes(file, bytes);
}

} // namespace

class ActivityLogTest : public StorageFixture {
protected:
    ActivityLog& log = program.log;
    std::vector<std::uint8_t> file() const { return readBytes(dir.file("tennis.log")); }
};

TEST_F(ActivityLogTest, FirstStartWritesEntryOne) {
    startLog(program);
    const auto bytes = file();
    ASSERT_EQ(bytes.size(), kRecord);
    EXPECT_EQ(countIn(bytes), 1);
    EXPECT_EQ(lineIn(bytes, 1), fitText(u" 001 26/12/07 13:05:09起動", 80));
    EXPECT_EQ(log.entryCount, 1);
    EXPECT_TRUE(platform.events().empty());
}

TEST_F(ActivityLogTest, OverAThousandEntriesWarnsAndStillStarts) {
    writeLog(dir.file("tennis.log"), 1001, 1001);
    startLog(program);
    EXPECT_EQ(platform.messages(),
              std::vector<std::u16string>{
                  u"ＬＯＧﾌｧｲﾙをがオーバーします。ＬＯＧファイルをクリアーして下さい。"});
    EXPECT_EQ(platform.events()[0].title, u"ラリーノート");
    EXPECT_EQ(log.entryCount, 1002);
    const auto bytes = file();
    ASSERT_EQ(bytes.size(), 1002 * kRecord);
    EXPECT_EQ(countIn(bytes), 1002);
    EXPECT_EQ(lineIn(bytes, 1002), fitText(u" 1002 26/12/07 13:05:09起動", 80));
}

TEST_F(ActivityLogTest, LinesAreCutToEightyCharactersAndTheirField) {
    startLog(program);
    ASSERT_TRUE(appendLog(program, u"end " + std::u16string(100, u'x')));
    const std::u16string head = u" 002 26/12/07 13:05:09end ";
    EXPECT_EQ(lineIn(file(), 2), head + std::u16string(80 - head.size(), u'x'));
    // Full-width text fills the 80-byte field before 80 characters.
    ASSERT_TRUE(appendLog(program, std::u16string(60, u'訂')));
    const std::u16string line = lineIn(file(), 3);
    EXPECT_EQ(line.substr(0, 22), u" 003 26/12/07 13:05:09");
    EXPECT_EQ(line.substr(22, 29), std::u16string(29, u'訂'));
    EXPECT_EQ(line.substr(51), std::u16string(29, u' '));
}

TEST_F(ActivityLogTest, ViewerShowsNewestFirstAndAClearRestarts) {
    startLog(program);
    ASSERT_TRUE(appendLog(program, u"終了"));
    std::u16string text;
    ASSERT_TRUE(readLogText(program, text));
    EXPECT_EQ(text, fitText(u" 002 26/12/07 13:05:09終了", 80) + u"\r\n" +
                        fitText(u" 001 26/12/07 13:05:09起動", 80) + u"\r\n");
    ASSERT_EQ(log.clear(), FileFault::None);
    ASSERT_TRUE(readLogText(program, text));
    EXPECT_EQ(text, fitText(u" 001 26/12/07 13:05:09ｸﾘｱｰ", 80) + u"\r\n");
    EXPECT_EQ(file().size(), 2 * kRecord);
}

TEST_F(ActivityLogTest, DamagedCountsStayInsideTheFile) {
    writeLog(dir.file("tennis.log"), 3, 30000);
    std::u16string text;
    ASSERT_TRUE(readLogText(program, text));
    EXPECT_EQ(text.size(), 3 * 82u);
    startLog(program);
    EXPECT_EQ(log.entryCount, 4);
    EXPECT_EQ(file().size(), 4 * kRecord);

    writeLog(dir.file("tennis.log"), 2, -9);
    ASSERT_TRUE(readLogText(program, text));
    EXPECT_TRUE(text.empty());
    startLog(program);
    EXPECT_EQ(log.entryCount, 1);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(ActivityLogTest, UnwritableLogIsReportedAndTheCountKept) {
    startLog(program);
    std::filesystem::remove(dir.file("tennis.log"));
    std::filesystem::create_directory(dir.file("tennis.log"));
    EXPECT_FALSE(appendLog(program, u"終了"));
    EXPECT_EQ(log.entryCount, 1);
    ASSERT_EQ(platform.events().size(), 1u);
    EXPECT_EQ(platform.events()[0].text, u"ＬＯＧﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。");
    EXPECT_EQ(platform.events()[0].title, u"ラリーノート");
    platform.clear();
    std::u16string text = u"old";
    EXPECT_FALSE(readLogText(program, text));
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(platform.messages(),
              std::vector<std::u16string>{u"ＬＯＧﾌｧｲﾙを読み込み時にｴﾗｰが発生しました。"});
}

TEST_F(ActivityLogTest, FullDiskLeavesTheLogAsItWas) {
    startLog(program);
    const auto before = file();
    const int code = runWithFileSizeLimit(kRecord + 10, [&]() {
        if (appendLog(program, u"終了") || log.entryCount != 1) {
            return 1;
        }
        return platform.messages().size() == 1 ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(file(), before);
}

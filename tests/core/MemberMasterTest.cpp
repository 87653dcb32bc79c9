#include "FaultInjection.h"
#include "StorageFixture.h"
#include "app/MasterFileCommands.h"

#include "text/FixedText.h"

namespace {

constexpr std::size_t kRecord = MemberRecord::kSize;
constexpr std::u16string_view kReadError =
    u"読み込み時にｴﾗｰが発生しました。もう一度実行してください。";

// A master whose record 1 claims `count` members and which holds `records`
// records; member i has photo number i.
void writeMaster(const std::filesystem::path& file, int records, std::int16_t count) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(records) * kRecord, 0x20);
    for (int i = 0; i < records; ++i) {
        std::uint8_t* record = &bytes[static_cast<std::size_t>(i) * kRecord];
        const auto first = static_cast<std::uint16_t>(i == 0 ? count : 0);
        record[0] = static_cast<std::uint8_t>(first & 0xFF);
        record[1] = static_cast<std::uint8_t>(first >> 8);
        record[2] = record[3] = record[4] = record[5] = 0;
        record[6] = static_cast<std::uint8_t>(i + 1);
        record[7] = 0;
        record[32] = record[33] = 0;
    }
    writeBytes(file, bytes);
}

} // namespace

class MemberMasterTest : public StorageFixture {
protected:
    std::vector<int> listed;
    std::function<void(int)> show = [this](int i) { listed.push_back(i); };
    MemberMaster& master = program.master;
};

TEST_F(MemberMasterTest, MissingMasterListsOneEmptyEntryAndCreatesNothing) {
    ASSERT_TRUE(readMasterFile(platform, master, show));
    EXPECT_EQ(listed, std::vector<int>{1});
    EXPECT_EQ(master.memberCount, 0);
    EXPECT_EQ(master.members[1].count, 0);
    EXPECT_EQ(master.members[1].sex, 9);
    EXPECT_FALSE(std::filesystem::exists(dir.file("tennis.mst")));
    EXPECT_TRUE(platform.events().empty());
}

TEST_F(MemberMasterTest, WrittenMembersReadBackWithTheirFields) {
    const std::u16string names[] = {u"山田　太郎", u"ｽｽﾞｷ ﾊﾅｺ", u"さとう一郎"};
    for (int i = 1; i <= 3; ++i) {
        MemberRecord& member = master.members[static_cast<std::size_t>(i)];
        member.name = names[i - 1];
        member.abbrev = i == 1 ? u"山田太郎様" : names[i - 1].substr(0, 3);
        member.classCode = static_cast<std::int16_t>(100 + i);
        member.photoNo = static_cast<std::int16_t>(i);
        member.sex = static_cast<std::int16_t>(i % 2);
        member.phone = u"03-1234-5678";
        member.address = u"東京都千代田区１－２－３";
        member.memo = u"ﾒﾓ";
    }
    master.memberCount = 3;
    ASSERT_TRUE(writeMasterFile(platform, master));
    const auto bytes = readBytes(dir.file("tennis.mst"));
    ASSERT_EQ(bytes.size(), 3 * kRecord);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 0);

    auto again = restart();
    ASSERT_TRUE(readMasterFile(again->platform, again->master, show));
    EXPECT_EQ(listed, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(again->master.memberCount, 3);
    for (int i = 1; i <= 3; ++i) {
        const MemberRecord& read = again->master.members[static_cast<std::size_t>(i)];
        const MemberRecord& written = master.members[static_cast<std::size_t>(i)];
        EXPECT_EQ(read.name, written.name);
        EXPECT_EQ(read.classCode, written.classCode);
        EXPECT_EQ(read.photoNo, written.photoNo);
        EXPECT_EQ(read.sex, written.sex);
        EXPECT_EQ(read.phone, written.phone);
        EXPECT_EQ(read.address, written.address);
        EXPECT_EQ(read.memo, written.memo);
    }
    EXPECT_EQ(again->master.members[1].abbrev.str(), fitText(u"山田太郎", 8));
}

TEST_F(MemberMasterTest, ShorterTableLeavesTheOldTailBehindTheCount) {
    writeMaster(dir.file("tennis.mst"), 5, 5);
    master.memberCount = 2;
    ASSERT_TRUE(writeMasterFile(platform, master));
    const auto bytes = readBytes(dir.file("tennis.mst"));
    EXPECT_EQ(bytes.size(), 5 * kRecord);
    EXPECT_EQ(bytes[0], 2);
}

TEST_F(MemberMasterTest, ClaimOfMoreThanAHundredListsAHundredThenReports) {
    writeMaster(dir.file("tennis.mst"), 120, 120);
    EXPECT_FALSE(readMasterFile(platform, master, show));
    ASSERT_EQ(listed.size(), 100u);
    EXPECT_EQ(listed.back(), 100);
    EXPECT_EQ(master.memberCount, 100);
    EXPECT_EQ(master.members[100].photoNo, 100);
    ASSERT_EQ(platform.events().size(), 2u);
    EXPECT_EQ(platform.events()[0].kind, ScriptedPlatform::Kind::Beep);
    EXPECT_EQ(platform.events()[1].text, kReadError);
    EXPECT_EQ(platform.events()[1].title, u"ラリーノート");
}

TEST_F(MemberMasterTest, DamagedCountsNeverReadPastTheFile) {
    writeMaster(dir.file("tennis.mst"), 10, 50);
    EXPECT_FALSE(readMasterFile(platform, master, show));
    EXPECT_EQ(listed.size(), 10u);
    EXPECT_EQ(master.memberCount, 10);
    EXPECT_EQ(platform.messages(), std::vector<std::u16string>{std::u16string(kReadError)});

    listed.clear();
    platform.clear();
    writeMaster(dir.file("tennis.mst"), 3, -5);
    EXPECT_FALSE(readMasterFile(platform, master, show));
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(master.memberCount, 0);
    EXPECT_EQ(platform.beepCount(), 1);
}

TEST_F(MemberMasterTest, UnwritableMasterIsReported) {
    std::filesystem::create_directory(dir.file("tennis.mst"));
    master.memberCount = 1;
    EXPECT_FALSE(writeMasterFile(platform, master));
    ASSERT_EQ(platform.events().size(), 1u);
    EXPECT_EQ(platform.events()[0].text,
              u"ﾏｽﾀｰﾌｧｲﾙを開くまたは、書き込み時にｴﾗｰが発生しました。もう一度実行してください。");
    EXPECT_EQ(platform.events()[0].title, u"ﾃｷｽﾄ ｴﾃﾞｨﾀ");
    platform.clear();
    EXPECT_FALSE(readMasterFile(platform, master, show));
    EXPECT_EQ(platform.messages().size(), 1u);
}

TEST_F(MemberMasterTest, FullDiskIsReportedAndLeavesTheFileAsItWas) {
    writeMaster(dir.file("tennis.mst"), 2, 2);
    const auto before = readBytes(dir.file("tennis.mst"));
    const int code = runWithFileSizeLimit(3 * kRecord + 50, [&]() {
        master.memberCount = 5;
        if (writeMasterFile(platform, master)) {
            return 1;
        }
        return platform.messages().size() == 1 ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(dir.file("tennis.mst")), before);
    EXPECT_FALSE(fault::unfinishedSave(dir.file("tennis.mst")));
}

#include "DataFileFixture.h"
#include "StorageFixture.h"
#include "app/MeetingFileCommands.h"

#include "text/FixedText.h"
#include "text/Utf8.h"

namespace {

using R = MeetingRecord;

std::int16_t int16In(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

std::size_t pairByte(int record, int team, int a, int b) {
    return (record - 1) * R::kSize + R::kPairOffset + 2 * R::pairIndex(team, a, b);
}

} // namespace

using MeetingFileTest = StorageFixture;

TEST_F(MeetingFileTest, ScratchFileIsOneRecordAndOpensAsOneMeeting) {
    state.meetingCount = 1;
    ASSERT_TRUE(createScratchFile(program));
    EXPECT_EQ(state.currentPath, u"取りあえず.rlw");
    EXPECT_EQ(state.openName, state.currentPath);
    const auto bytes = readBytes(dir.file("取りあえず.rlw"));
    ASSERT_EQ(bytes.size(), R::kSize);
    EXPECT_EQ(int16In(bytes, 0), 0);
    EXPECT_EQ(int16In(bytes, R::kTeamSizeOffset), 10);

    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
    EXPECT_EQ(again->state.meetingCount, 1);
    EXPECT_EQ(again->state.meetingTitle.str(), fitText(u"テニスの試合", 40));
    EXPECT_EQ(again->state.pairState[1][3][4], 0);
    EXPECT_EQ(again->recent.entry(1), fitText(u"取りあえず.rlw", 32));
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(MeetingFileTest, CompletionAddsARecordAndRaisesTheCount) {
    makeMeetings(2);
    const auto bytes = readBytes(dir.file("取りあえず.rlw"));
    ASSERT_EQ(bytes.size(), 2 * R::kSize);
    EXPECT_EQ(int16In(bytes, 0), 2);

    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
    EXPECT_EQ(again->state.meetingCount, 2);
    EXPECT_EQ(again->state.resultTable[0][1][2], 2);
    ASSERT_TRUE(readMeeting(*again, 1));
    EXPECT_EQ(again->state.resultTable[0][1][2], 1);
    EXPECT_EQ(again->state.meetingTitle.str(), fitText(u"第1回", 40));
}

TEST_F(MeetingFileTest, RunningPairIsStoredAsZero) {
    makeMeetings(1);
    state.setPair(1, 2, 5, PairRunning);
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    const auto bytes = readBytes(dir.file("取りあえず.rlw"));
    EXPECT_EQ(int16In(bytes, pairByte(1, 1, 2, 5)), 0);
    EXPECT_EQ(int16In(bytes, pairByte(1, 1, 5, 2)), 0);
    EXPECT_EQ(state.pairState[1][2][5], PairRunning);
}

TEST_F(MeetingFileTest, TextFieldsAreCutToTheirBytes) {
    makeMeetings(1);
    const std::u16string title = u"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十";
    state.meetingTitle = title;
    state.memberAbbrev[0][1] = u"山田太郎様";
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
    EXPECT_EQ(again->state.meetingTitle.str(), fitText(title.substr(0, 20), 40));
    EXPECT_EQ(again->state.memberAbbrev[0][1].str(), fitText(u"山田太郎", 8));
}

TEST_F(MeetingFileTest, JapaneseMeetingComesBackExactly) {
    makeMeetings(1);
    state.meetingTitle = u"秋季ﾃﾆｽ練習会 だい３回";
    state.teamNameA = fitText(u"東京ｸﾗﾌﾞ", 20);
    state.teamNameB = fitText(u"さくら会", 20);
    state.matchMethod = MatchMethod::OneTeamSingles;
    state.teamSize = {7, 3, 0};
    state.memberAbbrev[0][1] = u"ｽｽﾞｷ";
    state.memberAbbrev[1][3] = u"佐藤";
    state.memberAbbrev[0][7] = u"ﾀﾅｶ花子";
    state.memberPhotoNo[1][2] = 123;
    state.memberStatus[0][4] = 11;
    state.resultTable[0][1][7] = 6004;
    state.resultTable[0][21][23] = 999999;
    state.setPair(0, 1, 7, PairFinished);
    state.setPair(1, 2, 3, PairUnavailable);
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    MeetingSnapshot saved;
    copyStoredMeeting(state, saved);

    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
    MeetingSnapshot read;
    copyStoredMeeting(again->state, read);
    EXPECT_EQ(read.meetingTitle, saved.meetingTitle);
    EXPECT_EQ(read.matchMethod, saved.matchMethod);
    EXPECT_EQ(read.teamSize, saved.teamSize);
    EXPECT_EQ(read.teamNameA, saved.teamNameA);
    EXPECT_EQ(read.teamNameB, saved.teamNameB);
    EXPECT_EQ(read.memberPhotoNo, saved.memberPhotoNo);
    EXPECT_EQ(read.memberStatus, saved.memberStatus);
    EXPECT_EQ(read.memberAbbrev, saved.memberAbbrev);
    EXPECT_EQ(read.resultTable, saved.resultTable);
    EXPECT_EQ(read.pairState, saved.pairState);
}

TEST_F(MeetingFileTest, BytesTheProgramDoesNotUseSurviveASave) {
    writeDataFile(dir.file("club.rly"), 1, 1, [](int, MeetingRecord& record) {
        record.setInt16At(R::kTeamSizeOffset + 4, 17);
        record.setInt16At(R::kPhotoNoOffset + 2 * R::participantIndex(2, 5), 77);
        record.setInt32At(R::kResultOffset + 4 * R::resultIndex(1, 3, 29), 424242);
        record.setInt32At(R::kResultOffset + 4 * R::resultIndex(2, 3, 4), 31337);
        record.setInt16At(R::kPairOffset + 2 * R::pairIndex(2, 1, 1), 5);
        for (std::size_t i = R::kSize - 6; i < R::kSize; ++i) {
            record.bytes[i] = static_cast<std::uint8_t>(0xA0 + i % 7);
        }
    });
    const auto before = readBytes(dir.file("club.rly"));
    ASSERT_TRUE(openMeetingFile(program, u"club.rly"));
    EXPECT_EQ(readBytes(dir.file("club.rly")), before);
    state.resultTable[0][1][2] = 6003;
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    auto after = readBytes(dir.file("club.rly"));
    const std::size_t changed = R::kResultOffset + 4 * R::resultIndex(0, 1, 2);
    EXPECT_NE(after, before);
    std::fill_n(after.begin() + static_cast<long>(changed), 4, 0);
    EXPECT_EQ(after, before);
}

TEST_F(MeetingFileTest, CorrectionOfAnEarlierMeetingRewritesOnlyThatRecord) {
    makeMeetings(3);
    const auto before = readBytes(dir.file("取りあえず.rlw"));
    saveSnapshot(state);
    state.viewedMeeting = 1;
    ASSERT_TRUE(readMeeting(program, 1));
    state.resultTable[0][1][2] = 4006;
    ASSERT_TRUE(saveMeeting(program, SaveTarget::ViewedMeeting));
    const auto after = readBytes(dir.file("取りあえず.rlw"));
    ASSERT_EQ(after.size(), 3 * R::kSize);
    EXPECT_EQ(int16In(after, 0), 3);
    EXPECT_TRUE(std::equal(after.begin() + R::kSize, after.end(), before.begin() + R::kSize));
    const std::size_t cell = R::kResultOffset + 4 * R::resultIndex(0, 1, 2);
    EXPECT_EQ(after[cell] | (after[cell + 1] << 8), 4006);
}

TEST_F(MeetingFileTest, SaveAsCopiesEveryMeeting) {
    makeMeetings(4);
    ASSERT_TRUE(copyMeetingFile(program, u"club.rly"));
    const auto copy = readBytes(dir.file("club.rly"));
    ASSERT_EQ(copy.size(), 4 * R::kSize);
    EXPECT_EQ(int16In(copy, 0), 4);
    EXPECT_EQ(copy, readBytes(dir.file("取りあえず.rlw")));
    EXPECT_EQ(state.currentPath, u"club.rly");
    EXPECT_EQ(state.openName, u"club.rly");
    EXPECT_EQ(program.recent.entry(1), fitText(u"club.rly", 32));
}

TEST_F(MeetingFileTest, SaveAsToItselfOnlyBeeps) {
    makeMeetings(2);
    const auto before = readBytes(dir.file("取りあえず.rlw"));
    EXPECT_FALSE(copyMeetingFile(program, u"取りあえず.rlw"));
    EXPECT_EQ(platform.beepCount(), 1);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(platform.questions().empty());
    EXPECT_EQ(readBytes(dir.file("取りあえず.rlw")), before);
}

TEST_F(MeetingFileTest, SaveAsOverAnExistingFileAsksFirst) {
    makeMeetings(2);
    writeDataFile(dir.file("old.rly"), 3, 3);
    const auto old = readBytes(dir.file("old.rly"));
    EXPECT_FALSE(copyMeetingFile(program, u"old.rly"));
    ASSERT_EQ(platform.questions().size(), 1u);
    EXPECT_EQ(platform.questions()[0], u"既存のﾌｧｲﾙに上書きしますか ?");
    EXPECT_EQ(readBytes(dir.file("old.rly")), old);
    EXPECT_EQ(state.currentPath, u"取りあえず.rlw");

    platform.setNextAnswer(true);
    ASSERT_TRUE(copyMeetingFile(program, u"old.rly"));
    const auto copied = readBytes(dir.file("old.rly"));
    ASSERT_EQ(copied.size(), 3 * R::kSize); // the third record stays behind the count
    EXPECT_EQ(int16In(copied, 0), 2);
    EXPECT_TRUE(
        std::equal(copied.begin() + 2 * R::kSize, copied.end(), old.begin() + 2 * R::kSize));
}

TEST_F(MeetingFileTest, StorageReturnsItsFaultsAndShowsNothing) {
    makeMeetings(2);
    writeDataFile(dir.file("old.rly"), 3, 3);
    MeetingFile& file = program.meetingFile;
    EXPECT_EQ(file.copyMeetingFile(u"取りあえず.rlw", Overwrite::Allow), FileFault::SameFile);
    EXPECT_EQ(file.copyMeetingFile(u"old.rly", Overwrite::Refuse), FileFault::TargetExists);
    EXPECT_EQ(file.readMeeting(3), FileFault::CannotRead);
    EXPECT_EQ(file.openMeetingFile(u"none.rly").fault, FileFault::CannotRead);
    EXPECT_EQ(state.currentPath, u"取りあえず.rlw");
    EXPECT_TRUE(platform.events().empty());
}

TEST_F(MeetingFileTest, SaveAsOfAFreshScratchFileKeepsItsMeeting) {
    state.meetingCount = 1;
    ASSERT_TRUE(createScratchFile(program));
    ASSERT_TRUE(copyMeetingFile(program, u"new.rly"));
    EXPECT_EQ(readBytes(dir.file("new.rly")).size(), R::kSize);
}

TEST_F(MeetingFileTest, CountZeroOpensAsOneMeeting) {
    writeDataFile(dir.file("zero.rly"), 2, 0);
    ASSERT_TRUE(openMeetingFile(program, u"zero.rly"));
    EXPECT_EQ(state.meetingCount, 1);
    EXPECT_EQ(state.teamSize[0], 4);
    EXPECT_EQ(state.openName, u"zero.rly");
}

TEST_F(MeetingFileTest, AbsolutePathsAreUsedAsGiven) {
    TempDir other;
    writeDataFile(other.file("外部.rly"), 1, 1);
    const std::u16string path = fromUtf8(other.file("外部.rly").string());
    ASSERT_TRUE(openMeetingFile(program, path));
    EXPECT_EQ(state.currentPath, path);
    EXPECT_TRUE(saveMeeting(program, SaveTarget::Meeting));
}

TEST_F(MeetingFileTest, ScratchPathEndsInRlw) {
    EXPECT_TRUE(isScratchPath(u"取りあえず.rlw"));
    EXPECT_TRUE(isScratchPath(u"/x/y.rlw"));
    EXPECT_FALSE(isScratchPath(u"club.rly"));
    EXPECT_FALSE(isScratchPath(u"lw"));
    EXPECT_FALSE(isScratchPath(u""));
}

TEST_F(MeetingFileTest, SaveOfNewAndCloseWritesTheMeetingAndTheCount) {
    makeMeetings(3);
    ASSERT_TRUE(copyMeetingFile(program, u"club.rly"));
    state.resultTable[1][2][3] = 6001;
    ASSERT_TRUE(saveMeetingTo(program, u"club.rly"));
    EXPECT_EQ(state.currentPath, u"club.rly");
    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"club.rly"));
    EXPECT_EQ(again->state.meetingCount, 3);
    EXPECT_EQ(again->state.resultTable[1][2][3], 6001);

    writeBytes(dir.file("plain"), {1});
    EXPECT_FALSE(saveMeetingTo(program, u"plain/x.rly"));
    ASSERT_EQ(platform.events().size(), 1u);
    EXPECT_EQ(platform.events()[0].text,
              u"ﾌｧｲﾙを閉じるときにｴﾗｰが発生しました。もう一度実行してください。");
    EXPECT_TRUE(platform.events()[0].title.empty());
    EXPECT_EQ(state.currentPath, u"club.rly");
}

// Files removed while the program runs. Every operation opens its file
// afresh, so the next save finds the file gone: a meeting file is made again
// around the current meeting, the log starts again at entry 1, the master is
// written whole, and nothing held in memory is lost.
#include "FaultInjection.h"
#include "StorageFixture.h"

#include "text/FixedText.h"

namespace {

constexpr std::u16string_view kWriteError = u"ﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。";

} // namespace

class RemovedFileTest : public StorageFixture {
protected:
    void SetUp() override {
        makeMeetings(3);
        state.ResultTable[1][2][3] = 6002;
        ASSERT_TRUE(std::filesystem::remove(scratch()));
    }
    std::filesystem::path scratch() const { return dir.file("取りあえず.rlw"); }
};

TEST_F(RemovedFileTest, SaveMakesTheDataFileAgainAroundTheCurrentMeeting) {
    ASSERT_TRUE(program.meetingFile.SaveMeeting(0));
    EXPECT_TRUE(platform.events().empty());
    EXPECT_FALSE(fault::unfinishedSave(dir.file("取りあえず.rlw")));
    auto again = restart();
    ASSERT_TRUE(again->meetingFile.OpenMeetingFile(u"取りあえず.rlw"));
    EXPECT_TRUE(platform.events().empty());
    EXPECT_EQ(again->state.MeetingCount, 3);
    EXPECT_EQ(again->state.MeetingTitle.str(), fitText(u"第3回", 40));
    EXPECT_EQ(again->state.ResultTable[1][2][3], 6002);
    // The earlier meetings went with the file; record 1 is an empty meeting.
    ASSERT_TRUE(again->meetingFile.ReadMeeting(1));
    EXPECT_EQ(again->state.MeetingTitle.str(), fitText(u"テニスの試合", 40));
    EXPECT_EQ(again->state.ResultTable[0][1][2], 0);

    // Completing the meeting goes on from there.
    ResetMeeting(state, 1);
    ++state.MeetingCount;
    ASSERT_TRUE(program.meetingFile.SaveMeeting(1));
    auto after = restart();
    ASSERT_TRUE(after->meetingFile.OpenMeetingFile(u"取りあえず.rlw"));
    EXPECT_EQ(after->state.MeetingCount, 4);
    ASSERT_TRUE(after->meetingFile.ReadMeeting(3));
    EXPECT_EQ(after->state.ResultTable[1][2][3], 6002);
}

TEST_F(RemovedFileTest, CorrectionOfARemovedFileFailsAndKeepsTheMeetings) {
    SaveSnapshot(state);
    state.ViewedMeeting = 1;
    state.ResultTable[0][1][2] = 4006;
    EXPECT_FALSE(program.meetingFile.SaveMeeting(9));
    EXPECT_EQ(platform.messages(), std::vector<std::u16string>{std::u16string(kWriteError)});
    EXPECT_FALSE(std::filesystem::exists(scratch()));
    EXPECT_EQ(state.ResultTable[0][1][2], 4006);
    RestoreSnapshot(state);
    ASSERT_TRUE(program.meetingFile.SaveMeeting(0));
    auto again = restart();
    ASSERT_TRUE(again->meetingFile.OpenMeetingFile(u"取りあえず.rlw"));
    EXPECT_EQ(again->state.ResultTable[1][2][3], 6002);
}

TEST_F(RemovedFileTest, RemovedWorkingFolderFailsUntilItIsBack) {
    std::filesystem::remove_all(dir.path());
    EXPECT_FALSE(program.meetingFile.SaveMeeting(0));
    EXPECT_EQ(platform.messages(), std::vector<std::u16string>{std::u16string(kWriteError)});
    EXPECT_EQ(state.ResultTable[1][2][3], 6002);
    std::filesystem::create_directory(dir.path());
    ASSERT_TRUE(program.meetingFile.SaveMeeting(0));
    auto again = restart();
    ASSERT_TRUE(again->meetingFile.OpenMeetingFile(u"取りあえず.rlw"));
    EXPECT_EQ(again->state.MeetingCount, 3);
    EXPECT_EQ(again->state.ResultTable[1][2][3], 6002);
}

TEST_F(RemovedFileTest, LogStartsAgainAtEntryOne) {
    program.log.StartLog();
    ASSERT_TRUE(program.log.AppendLog(u"結果 一"));
    ASSERT_TRUE(std::filesystem::remove(dir.file("tennis.log")));
    ASSERT_TRUE(program.log.AppendLog(u"結果 二"));
    EXPECT_EQ(program.log.LogCount, 1);
    std::u16string text;
    ASSERT_TRUE(program.log.ReadLog(text));
    EXPECT_EQ(text, fitText(u" 001 26/12/07 13:05:09結果 二", 80) + u"\r\n");
    EXPECT_EQ(readBytes(dir.file("tennis.log")).size(), 84u);
}

TEST_F(RemovedFileTest, MasterIsWrittenWhole) {
    program.master.MemberCount = 2;
    program.master.MemberTable[2].Name = u"鈴木";
    ASSERT_TRUE(program.master.WriteMasterFile());
    ASSERT_TRUE(std::filesystem::remove(dir.file("tennis.mst")));
    ASSERT_TRUE(program.master.WriteMasterFile());
    MemberMaster master(platform, dir.path());
    ASSERT_TRUE(master.ReadMasterFile([](int) {}));
    EXPECT_EQ(master.MemberCount, 2);
    EXPECT_EQ(master.MemberTable[2].Name.str(), fitText(u"鈴木", 16));
}

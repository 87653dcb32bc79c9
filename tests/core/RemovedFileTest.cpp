// Files removed while the program runs. Every operation opens its file
// afresh, so the next save finds the file gone: a meeting file is made again
// around the current meeting, the log starts again at entry 1, the master is
// written whole, and nothing held in memory is lost.
#include "FaultInjection.h"
#include "StorageFixture.h"
#include "app/LogCommands.h"
#include "app/MasterFileCommands.h"
#include "app/MeetingFileCommands.h"

#include "text/FixedText.h"

namespace {

constexpr std::u16string_view kWriteError = u"ﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。";

} // namespace

class RemovedFileTest : public StorageFixture {
protected:
    void SetUp() override {
        makeMeetings(3);
        state.resultTable[1][2][3] = 6002;
        ASSERT_TRUE(std::filesystem::remove(scratch()));
    }
    std::filesystem::path scratch() const { return dir.file("取りあえず.rlw"); }
};

TEST_F(RemovedFileTest, SaveMakesTheDataFileAgainAroundTheCurrentMeeting) {
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    EXPECT_TRUE(platform.events().empty());
    EXPECT_FALSE(fault::unfinishedSave(dir.file("取りあえず.rlw")));
    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
    EXPECT_TRUE(platform.events().empty());
    EXPECT_EQ(again->state.meetingCount, 3);
    EXPECT_EQ(again->state.meetingTitle.str(), fitText(u"第3回", 40));
    EXPECT_EQ(again->state.resultTable[1][2][3], 6002);
    // The earlier meetings went with the file; record 1 is an empty meeting.
    ASSERT_TRUE(readMeeting(*again, 1));
    EXPECT_EQ(again->state.meetingTitle.str(), fitText(u"テニスの試合", 40));
    EXPECT_EQ(again->state.resultTable[0][1][2], 0);

    // Completing the meeting goes on from there.
    resetMeeting(state, ResetTarget::MatchData);
    ++state.meetingCount;
    ASSERT_TRUE(saveMeeting(program, SaveTarget::MeetingAndCount));
    auto after = restart();
    ASSERT_TRUE(openMeetingFile(*after, u"取りあえず.rlw"));
    EXPECT_EQ(after->state.meetingCount, 4);
    ASSERT_TRUE(readMeeting(*after, 3));
    EXPECT_EQ(after->state.resultTable[1][2][3], 6002);
}

TEST_F(RemovedFileTest, CorrectionOfARemovedFileFailsAndKeepsTheMeetings) {
    saveSnapshot(state);
    state.viewedMeeting = 1;
    state.resultTable[0][1][2] = 4006;
    EXPECT_FALSE(saveMeeting(program, SaveTarget::ViewedMeeting));
    EXPECT_EQ(platform.messages(), std::vector<std::u16string>{std::u16string(kWriteError)});
    EXPECT_FALSE(std::filesystem::exists(scratch()));
    EXPECT_EQ(state.resultTable[0][1][2], 4006);
    restoreSnapshot(state);
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
    EXPECT_EQ(again->state.resultTable[1][2][3], 6002);
}

TEST_F(RemovedFileTest, RemovedWorkingFolderFailsUntilItIsBack) {
    std::filesystem::remove_all(dir.path());
    EXPECT_FALSE(saveMeeting(program, SaveTarget::Meeting));
    EXPECT_EQ(platform.messages(), std::vector<std::u16string>{std::u16string(kWriteError)});
    EXPECT_EQ(state.resultTable[1][2][3], 6002);
    std::filesystem::create_directory(dir.path());
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
    EXPECT_EQ(again->state.meetingCount, 3);
    EXPECT_EQ(again->state.resultTable[1][2][3], 6002);
}

TEST_F(RemovedFileTest, LogStartsAgainAtEntryOne) {
    startLog(program);
    ASSERT_TRUE(appendLog(program, u"結果 一"));
    ASSERT_TRUE(std::filesystem::remove(dir.file("tennis.log")));
    ASSERT_TRUE(appendLog(program, u"結果 二"));
    EXPECT_EQ(program.log.entryCount, 1);
    std::u16string text;
    ASSERT_TRUE(readLogText(program, text));
    EXPECT_EQ(text, fitText(u" 001 26/12/07 13:05:09結果 二", 80) + u"\r\n");
    EXPECT_EQ(readBytes(dir.file("tennis.log")).size(), 84u);
}

TEST_F(RemovedFileTest, MasterIsWrittenWhole) {
    program.master.memberCount = 2;
    program.master.members[2].name = u"鈴木";
    ASSERT_TRUE(writeMasterFile(program.platform, program.master));
    ASSERT_TRUE(std::filesystem::remove(dir.file("tennis.mst")));
    ASSERT_TRUE(writeMasterFile(program.platform, program.master));
    MemberMaster master(dir.path());
    ASSERT_TRUE(readMasterFile(platform, master, [](int) {}));
    EXPECT_EQ(master.memberCount, 2);
    EXPECT_EQ(master.members[2].name.str(), fitText(u"鈴木", 16));
}

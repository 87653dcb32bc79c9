#include "CliRun.h"
#include "FixedClock.h"
#include "StorageFixture.h"
#include "TempDir.h"
#include "app/LogCommands.h"
#include "app/MasterFileCommands.h"
#include "app/MeetingFileCommands.h"

#include "app/StorageMessages.h"
#include "storage/MeetingRecord.h"
#include "text/FixedText.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Another copy of the program on the same working folder, with a platform
// of its own.
struct OtherCopy {
    explicit OtherCopy(const std::filesystem::path& folder)
        : clock(fixedMoment()), program(platform, clock, settings, folder) {
        resetMeeting(program.state, ResetTarget::StartUp);
    }
    ScriptedPlatform platform;
    FixedClock clock;
    MemorySettingsStore settings;
    Program program;
};

// Runs `body` in a child process that then waits to be killed; returns its
// id once `body` is done.
pid_t inChildUntilKilled(const std::function<bool()>& body) {
    int ready[2];
    if (::pipe(ready) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const char ok = body() ? 'y' : 'n';
        static_cast<void>(::write(ready[1], &ok, 1));
        for (;;) {
            ::pause();
        }
    }
    char ok = 'n';
    static_cast<void>(::read(ready[0], &ok, 1));
    ::close(ready[0]);
    ::close(ready[1]);
    return ok == 'y' ? child : -1;
}

} // namespace

using TwoCopiesTest = StorageFixture;

TEST_F(TwoCopiesTest, SecondCopyGetsTheFileReadOnlyAndChangesNoByte) {
    makeMeetings(2);
    const auto before = readBytes(dir.file("取りあえず.rlw"));
    OtherCopy second(dir.path());
    ASSERT_TRUE(openMeetingFile(second.program, u"取りあえず.rlw"));
    EXPECT_TRUE(second.program.meetingFile.readOnly());
    EXPECT_EQ(second.program.state.meetingTitle.str(), fitText(u"第2回", 40));
    EXPECT_EQ(second.platform.messages(),
              std::vector<std::u16string>{std::u16string(kOpenedReadOnly)});

    second.program.state.meetingTitle = u"上書き";
    second.platform.clear();
    EXPECT_FALSE(saveMeeting(second.program, SaveTarget::Meeting));
    EXPECT_FALSE(saveMeeting(second.program, SaveTarget::MeetingAndCount));
    EXPECT_FALSE(saveMeetingTo(second.program, u"取りあえず.rlw"));
    EXPECT_FALSE(createScratchFile(second.program));
    EXPECT_EQ(second.platform.messages(),
              (std::vector<std::u16string>{
                  std::u16string(kReadOnlyNoSave), std::u16string(kReadOnlyNoSave),
                  std::u16string(kReadOnlyNoSave), std::u16string(kTargetHeldElsewhere)}));
    EXPECT_EQ(readBytes(dir.file("取りあえず.rlw")), before);

    // The first copy still saves; opening its own file again keeps it.
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    ASSERT_TRUE(openMeetingFile(program, u"取りあえず.rlw"));
    EXPECT_FALSE(program.meetingFile.readOnly());
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(TwoCopiesTest, KilledCopyFreesTheFileForTheNextCopy) {
    makeMeetings(1);
    program.meetingFile.setHoldsFiles(false);
    const pid_t first = inChildUntilKilled([&] {
        // Lives in the child until it is killed.
        static OtherCopy copy(dir.path());
        return openMeetingFile(copy.program, u"取りあえず.rlw") &&
               !copy.program.meetingFile.readOnly();
    });
    ASSERT_GT(first, 0);
    {
        OtherCopy second(dir.path());
        ASSERT_TRUE(openMeetingFile(second.program, u"取りあえず.rlw"));
        EXPECT_TRUE(second.program.meetingFile.readOnly());
    }
    ::kill(first, SIGKILL);
    ::waitpid(first, nullptr, 0);
    OtherCopy third(dir.path());
    ASSERT_TRUE(openMeetingFile(third.program, u"取りあえず.rlw"));
    EXPECT_FALSE(third.program.meetingFile.readOnly());
    EXPECT_TRUE(third.platform.messages().empty());
    EXPECT_TRUE(saveMeeting(third.program, SaveTarget::Meeting));
}

TEST_F(TwoCopiesTest, FileChangedUnderneathIsNotOverwrittenAndMayBeReadAgain) {
    makeMeetings(2);
    // Something that holds no file (another program) changes the meeting.
    OtherCopy other(dir.path());
    other.program.meetingFile.setHoldsFiles(false);
    ASSERT_TRUE(openMeetingFile(other.program, u"取りあえず.rlw"));
    other.program.state.meetingTitle = u"変更後";
    ASSERT_TRUE(saveMeeting(other.program, SaveTarget::Meeting));
    const auto changed = readBytes(dir.file("取りあえず.rlw"));

    for (const bool readAgain : {false, true}) {
        SCOPED_TRACE(readAgain);
        platform.clear();
        platform.setNextAnswer(readAgain);
        state.meetingTitle = u"古い画面";
        EXPECT_FALSE(saveMeeting(program, SaveTarget::Meeting));
        EXPECT_EQ(platform.questions(),
                  std::vector<std::u16string>{std::u16string(kChangedUnderneath)});
        EXPECT_EQ(readBytes(dir.file("取りあえず.rlw")), changed);
    }
    EXPECT_EQ(state.meetingTitle.str(), fitText(u"変更後", 40));
    state.meetingTitle = u"読み直し後";
    EXPECT_TRUE(saveMeeting(program, SaveTarget::Meeting));
}

TEST_F(TwoCopiesTest, SameSizeChangeInTheSameInstantIsSeenByItsChecksum) {
    makeMeetings(1);
    const auto file = dir.file("取りあえず.rlw");
    const auto time = std::filesystem::last_write_time(file);
    auto bytes = readBytes(file);
    bytes.at(MeetingRecord::kTitleOffset) ^= 1;
    writeBytes(file, bytes);
    std::filesystem::last_write_time(file, time);
    EXPECT_FALSE(saveMeeting(program, SaveTarget::Meeting));
    EXPECT_EQ(readBytes(file), bytes);
}

TEST_F(TwoCopiesTest, MasterSavedByOneCopyIsNotRevertedByTheOther) {
    OtherCopy second(dir.path());
    for (Program* copy : {&program, &second.program}) {
        ASSERT_TRUE(readMasterFile(copy->platform, copy->master, [](int) {}));
    }
    second.program.master.memberCount = 1;
    second.program.master.members[1].name = u"二番目";
    ASSERT_TRUE(writeMasterFile(second.program.platform, second.program.master));
    const auto saved = readBytes(dir.file("tennis.mst"));

    program.master.memberCount = 1;
    program.master.members[1].name = u"一番目";
    EXPECT_FALSE(writeMasterFile(program.platform, program.master));
    EXPECT_EQ(platform.messages(),
              std::vector<std::u16string>{std::u16string(kMasterChangedUnderneath)});
    EXPECT_EQ(readBytes(dir.file("tennis.mst")), saved);
    // Read again, it saves.
    ASSERT_TRUE(readMasterFile(program.platform, program.master, [](int) {}));
    EXPECT_TRUE(writeMasterFile(program.platform, program.master));
}

TEST_F(TwoCopiesTest, TwoProcessesAppendingToTheLogLoseNoEntry) {
    constexpr int kEach = 20;
    const auto append = [&](Program& copy, const std::u16string& who) {
        bool all = true;
        for (int k = 0; k < kEach; ++k) {
            all = appendLog(copy, who) && all;
        }
        return all;
    };
    const pid_t child = ::fork();
    if (child == 0) {
        OtherCopy copy(dir.path());
        ::_exit(append(copy.program, u"子") ? 0 : 1);
    }
    EXPECT_TRUE(append(program, u"親"));
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);

    std::u16string text;
    ASSERT_TRUE(readLogText(program, text));
    int parent = 0;
    int children = 0;
    int lines = 0;
    for (std::size_t start = 0, end = 0; (end = text.find(u"\r\n", start)) != std::u16string::npos;
         start = end + 2) {
        const std::u16string_view line = std::u16string_view(text).substr(start, end - start);
        ++lines;
        parent += line.find(u"親") != std::u16string_view::npos;
        children += line.find(u"子") != std::u16string_view::npos;
    }
    EXPECT_EQ(parent, kEach);
    EXPECT_EQ(children, kEach);
    EXPECT_EQ(lines, 2 * kEach);
}

TEST_F(TwoCopiesTest, CommandLineToolReadsAFileAWindowHolds) {
    makeMeetings(2);
    const CliRun run = runTool({"table", dir.file("取りあえず.rlw").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    OtherCopy second(dir.path());
    ASSERT_TRUE(openMeetingFile(second.program, u"取りあえず.rlw"));
    EXPECT_TRUE(second.program.meetingFile.readOnly());
    EXPECT_TRUE(saveMeeting(program, SaveTarget::Meeting));
}

// A child enters results through the core, saving after each, and reports
// every save that returned; it is killed at random moments. After each kill
// the data file must open and hold every result whose save had returned.
#include "FixedClock.h"
#include "StorageFixture.h"
#include "app/MeetingFileCommands.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kStepsPerMeeting = 5;

// Progress as one number: step s saved is 2s, the completion of the meeting
// after step s is 2s + 1, nothing saved yet is 0.
int nextProgress(int progress) {
    const int step = progress / 2;
    if (progress % 2 == 0 && step > 0 && step % kStepsPerMeeting == 0) {
        return progress + 1;
    }
    return 2 * (step + 1);
}

// Step s sets the result cell to s in meeting (s − 1) / 5 + 1; a completed
// meeting k holds 5k, a new one 0.
int progressOf(const MeetingState& state) {
    const int value = state.resultTable[0][1][2];
    if (value > 0 || state.meetingCount == 1) {
        return 2 * value;
    }
    return 2 * kStepsPerMeeting * (state.meetingCount - 1) + 1;
}

[[noreturn]] void enterResults(const std::filesystem::path& folder, int report) {
    ScriptedPlatform platform;
    const FixedClock clock(fixedMoment());
    MemorySettingsStore settings;
    Program program(platform, clock, settings, folder);
    MeetingState& state = program.state;
    if (!openMeetingFile(program, u"取りあえず.rlw")) {
        ::_exit(2);
    }
    int progress = progressOf(state);
    for (;;) {
        progress = nextProgress(progress);
        if (progress % 2 == 0) {
            state.resultTable[0][1][2] = progress / 2;
            if (!saveMeeting(program, SaveTarget::Meeting)) {
                ::_exit(4);
            }
        } else {
            resetMeeting(state, ResetTarget::MatchData);
            ++state.meetingCount;
            if (!saveMeeting(program, SaveTarget::MeetingAndCount)) {
                ::_exit(5);
            }
        }
        if (::write(report, &progress, sizeof progress) != sizeof progress) {
            ::_exit(6);
        }
    }
}

// Reads the child's reports until the pipe is closed; the last one.
int lastReport(int fd, int last) {
    int progress = 0;
    std::size_t got = 0;
    for (;;) {
        const ssize_t n =
            ::read(fd, reinterpret_cast<char*>(&progress) + got, sizeof progress - got);
        if (n <= 0) {
            return last;
        }
        got += static_cast<std::size_t>(n);
        if (got == sizeof progress) {
            last = progress;
            got = 0;
        }
    }
}

} // namespace

using CrashTest = StorageFixture;

TEST_F(CrashTest, KilledWhileSavingKeepsEverySaveThatReturned) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(5, 400);
    state.meetingCount = 1;
    ASSERT_TRUE(createScratchFile(program));
    // The file is the children's to hold, one after the other.
    program.meetingFile.setHoldsFiles(false);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(8);
    int acknowledged = 0;
    int rounds = 0;
    while (std::chrono::steady_clock::now() < end || rounds < 3) {
        ++rounds;
        int pipe[2];
        ASSERT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            enterResults(dir.path(), pipe[1]);
        }
        ::close(pipe[1]);
        ::usleep(static_cast<useconds_t>(pause(random)) * 1000);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << WEXITSTATUS(status);
        acknowledged = lastReport(pipe[0], acknowledged);
        ::close(pipe[0]);

        auto after = restart();
        ASSERT_TRUE(openMeetingFile(*after, u"取りあえず.rlw")) << "round " << rounds;
        ASSERT_TRUE(platform.events().empty()) << "round " << rounds;
        const int found = progressOf(after->state);
        EXPECT_TRUE(found == acknowledged || found == nextProgress(acknowledged))
            << "round " << rounds << ": acknowledged " << acknowledged << ", found " << found;
        for (int k = 1; k < after->state.meetingCount; ++k) {
            ASSERT_TRUE(readMeeting(*after, k));
            EXPECT_EQ(after->state.resultTable[0][1][2], kStepsPerMeeting * k) << "meeting " << k;
        }
        acknowledged = std::max(acknowledged, found);
    }
    EXPECT_GT(acknowledged, 2 * kStepsPerMeeting) << "too few saves to tell anything";
    RecordProperty("rounds", rounds);
    RecordProperty("progress", acknowledged);
}

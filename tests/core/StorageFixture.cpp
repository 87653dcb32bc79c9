#include "StorageFixture.h"

#include "app/MeetingFileCommands.h"
#include "text/Utf8.h"

std::tm fixedMoment() {
    std::tm moment{};
    moment.tm_year = 126;
    moment.tm_mon = 11;
    moment.tm_mday = 7;
    moment.tm_hour = 13;
    moment.tm_min = 5;
    moment.tm_sec = 9;
    return moment;
}

StorageFixture::StorageFixture()
    : clock(fixedMoment()), program(platform, clock, settings, dir.path()), state(program.state) {
    resetMeeting(state, ResetTarget::StartUp);
    state.teamSize = {10, 10, 0};
}

std::unique_ptr<Program> StorageFixture::restart() {
    // The earlier run has ended: it holds its file no longer.
    program.meetingFile.setHoldsFiles(false);
    return std::make_unique<Program>(platform, clock, settings, dir.path());
}

void StorageFixture::makeMeetings(int meetings) {
    state.meetingCount = 1;
    ASSERT_TRUE(createScratchFile(program));
    for (int k = 1; k <= meetings; ++k) {
        if (k > 1) {
            ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
            resetMeeting(state, ResetTarget::MatchData);
            ++state.meetingCount;
        }
        // Appended: GCC 12 at -O3 warns wrongly about u"..." + text.
        state.meetingTitle =
            std::u16string(u"第").append(fromUtf8(std::to_string(k))).append(u"回");
        state.resultTable[0][1][2] = k;
        ASSERT_TRUE(
            saveMeeting(program, k > 1 ? SaveTarget::MeetingAndCount : SaveTarget::Meeting));
    }
}

std::filesystem::path StorageFixture::fileOf(const std::u16string& path) const {
    return program.meetingFile.resolve(path);
}

#include "DataFileFixture.h"

#include "TempDir.h"
#include "state/MeetingState.h"
#include "storage/MeetingPacking.h"

#include <vector>

void writeDataFile(const std::filesystem::path& file, int records, std::int16_t count,
                   const std::function<void(int, MeetingRecord&)>& fill) {
    std::vector<std::uint8_t> bytes;
    for (int r = 1; r <= records; ++r) {
        MeetingState meeting;
        resetMeeting(meeting, ResetTarget::NewMeeting);
        meeting.teamSize = {4, 4, 0};
        MeetingRecord record;
        packMeeting(meeting, record);
        if (r == 1) {
            record.setCount(count);
        }
        if (fill) {
            fill(r, record);
        }
        bytes.insert(bytes.end(), record.bytes.begin(), record.bytes.end());
    }
    writeBytes(file, bytes);
}

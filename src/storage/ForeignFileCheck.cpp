#include "storage/ForeignFileCheck.h"

#include "state/MeetingState.h"

namespace {

using R = MeetingRecord;

constexpr int kMaxMatchMethod = 2;
constexpr std::int32_t kMaxScoreCode = 999999;

bool inRange(long long value, long long low, long long high) {
    return value >= low && value <= high;
}

bool soundHeader(const MeetingRecord& first) {
    return first.count() >= 0 &&
           inRange(first.int16At(R::kMatchMethodOffset), 0, kMaxMatchMethod) &&
           inRange(first.int16At(R::kTeamSizeOffset), 0, kMaxTeamSize) &&
           inRange(first.int16At(R::kTeamSizeOffset + 2), 0, kMaxTeamSize);
}

// Every pair code a stored meeting holds is 0..9 and no head-to-head score
// is above 999 games to 999, in every slot: the reset fills the unused slots
// with sound values too. (A correction may store a negative score.)
bool soundCodes(const MeetingRecord& first) {
    for (int team = 0; team < 2; ++team) {
        for (int a = 0; a < kSlots; ++a) {
            for (int b = 0; b < kSlots; ++b) {
                const std::size_t pair = R::kPairOffset + 2 * R::pairIndex(team, a, b);
                if (!inRange(first.int16At(pair), 0, PairUnavailable)) {
                    return false;
                }
            }
            for (int column = 1; column <= kMaxTeamSize; ++column) {
                if (first.result(team, a, column) > kMaxScoreCode) {
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

bool isForeignMeetingFile(const MeetingRecord& first, long long wholeRecords, bool partRecord) {
    const long long claimed = first.count() == 0 ? 1 : first.count();
    const bool unexplainedTail = partRecord && wholeRecords >= claimed;
    return unexplainedTail || !soundHeader(first) || !soundCodes(first);
}

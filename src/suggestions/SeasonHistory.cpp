#include "suggestions/SeasonHistory.h"

#include "state/MeetingState.h"
#include "storage/MeetingFile.h"
#include "storage/MeetingPacking.h"
#include "storage/RecordFile.h"
#include "suggestions/MeetingReading.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kRecencyReach = 9;

std::u16string pairKey(const std::u16string& a, const std::u16string& b) {
    const bool ordered = a < b;
    return (ordered ? a : b) + u'\n' + (ordered ? b : a);
}

struct FinishedPair {
    int team = 0;
    int first = 0;
    int second = 0;
};

// A score code g0 × 1000 + g1 seen from the other side.
std::int32_t mirrored(std::int32_t code) {
    return (code % 1000) * 1000 + code / 1000;
}

} // namespace

SeasonHistory::PairRecord& SeasonHistory::entry(const std::u16string& a, const std::u16string& b) {
    return pairs_[pairKey(a, b)];
}

SeasonHistory::PairRecord SeasonHistory::pair(const std::u16string& a,
                                              const std::u16string& b) const {
    const auto found = pairs_.find(pairKey(a, b));
    return found == pairs_.end() ? PairRecord{} : found->second;
}

void SeasonHistory::addMeeting(const MeetingState& meeting, int age) {
    ++meetings_;
    const bool singles = matchShapeOf(meeting) == MatchShape::Singles;
    std::map<std::int32_t, std::vector<FinishedPair>> byScore;
    for (int team = 0; team < 2; ++team) {
        const int size = memberCount(meeting, team);
        for (int a = 1; a <= size; ++a) {
            for (int b = a + 1; b <= size; ++b) {
                if (pairCode(meeting, team, a, b) != PairFinished) {
                    continue;
                }
                const std::u16string keyA = memberKey(meeting, team, a);
                const std::u16string keyB = memberKey(meeting, team, b);
                if (keyA == keyB) {
                    continue;
                }
                if (singles) {
                    ++entry(keyA, keyB).opposedMatches;
                    continue;
                }
                PairRecord& record = entry(keyA, keyB);
                ++record.partneredMeetings;
                record.partneredRecency += std::max(0, kRecencyReach - std::max(age, 1));
                const std::int32_t code = pairResult(meeting, team, a, b);
                if (code > 0 && code <= 999999) {
                    byScore[code].push_back({team, a, b});
                }
            }
        }
    }
    // Doubles opponents: a score and its mirror held by exactly one pair
    // each (a draw: by exactly two pairs).
    for (const auto& [code, holders] : byScore) {
        const std::int32_t other = mirrored(code);
        if (other < code) {
            continue;
        }
        std::vector<FinishedPair> sides;
        if (other == code) {
            sides = holders;
        } else if (const auto found = byScore.find(other);
                   holders.size() == 1 && found != byScore.end()) {
            sides = {holders.front()};
            sides.insert(sides.end(), found->second.begin(), found->second.end());
        }
        if (sides.size() != 2) {
            continue;
        }
        const std::array<int, 2> left = {sides[0].first, sides[0].second};
        const std::array<int, 2> right = {sides[1].first, sides[1].second};
        for (const int l : left) {
            for (const int r : right) {
                const std::u16string keyL = memberKey(meeting, sides[0].team, l);
                const std::u16string keyR = memberKey(meeting, sides[1].team, r);
                if (keyL != keyR) {
                    ++entry(keyL, keyR).opposedMatches;
                }
            }
        }
    }
}

SeasonHistory readSeasonHistory(const std::filesystem::path& path, int meetingCount) {
    SeasonHistory history;
    RecordFile file(MeetingRecord::kSize);
    if (!file.openForReading(path)) {
        return history;
    }
    MeetingRecord record;
    const auto meeting = std::make_unique<MeetingState>();
    for (int n = 1; n < meetingCount; ++n) {
        if (!file.read(n, record.bytes.data())) {
            continue;
        }
        unpackMeeting(record, *meeting);
        history.addMeeting(*meeting, meetingCount - n);
    }
    return history;
}

const SeasonHistory& SeasonHistoryCache::historyFor(const MeetingFile& file,
                                                    const MeetingState& state) {
    if (state.currentPath != path_ || state.meetingCount != meetingCount_) {
        path_ = state.currentPath;
        meetingCount_ = state.meetingCount;
        history_ = readSeasonHistory(file.resolve(path_), meetingCount_);
    }
    return history_;
}

#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

struct MeetingState;

// What the earlier meetings of a data file say about every two members:
// how often they partnered and opposed each other. Members are known by
// their short names (memberKey), which the roster keeps from meeting to
// meeting. Every count is rebuilt from the stored results, never kept aside.
class SeasonHistory {
public:
    struct PairRecord {
        int partneredMeetings = 0;
        // Recent partnering weighs more: each meeting adds 9 − age (age 1
        // is the last meeting), nothing once it is eight or more back.
        int partneredRecency = 0;
        int opposedMatches = 0;
    };

    // Adds one earlier meeting, `age` meetings before the current one.
    // Partners are the finished doubles pairs; opponents are the finished
    // singles pairs and, in doubles, the two pairs whose scores mirror each
    // other where no other pair of the meeting has the same score (the
    // stored record does not say who played whom otherwise).
    void addMeeting(const MeetingState& meeting, int age);

    PairRecord pair(const std::u16string& a, const std::u16string& b) const;
    int meetings() const { return meetings_; }

private:
    PairRecord& entry(const std::u16string& a, const std::u16string& b);

    std::unordered_map<std::u16string, PairRecord> pairs_;
    int meetings_ = 0;
};

class MeetingFile;

// Reads records 1 .. meetingCount − 1 of a data file in one pass; a record
// that cannot be read adds nothing.
SeasonHistory readSeasonHistory(const std::filesystem::path& path, int meetingCount);

// Keeps the history of the open data file until the file or its meeting
// count changes, so that a redraw does not read the file again.
class SeasonHistoryCache {
public:
    const SeasonHistory& historyFor(const MeetingFile& file, const MeetingState& state);

private:
    std::u16string path_;
    int meetingCount_ = -1;
    SeasonHistory history_;
};

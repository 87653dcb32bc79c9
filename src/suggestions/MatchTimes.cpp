#include "suggestions/MatchTimes.h"

#include "suggestions/MeetingReading.h"

#include <algorithm>

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long daysFromCivil(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace

long long secondsOf(const std::tm& moment) {
    const long long days =
        daysFromCivil(moment.tm_year + 1900LL, moment.tm_mon + 1LL, moment.tm_mday);
    return days * 86400 + moment.tm_hour * 3600LL + moment.tm_min * 60LL + moment.tm_sec;
}

int MatchTimes::index(int team, int slot) {
    return (team == 1 ? kSlots : 0) + std::clamp(slot, 0, kSlots - 1);
}

bool MatchTimes::knowsMeeting(const MeetingState& state) const {
    return state.currentPath == path_ && state.meetingCount == meetingCount_;
}

void MatchTimes::follow(const MeetingState& state) {
    if (!knowsMeeting(state)) {
        *this = MatchTimes{};
        path_ = state.currentPath;
        meetingCount_ = state.meetingCount;
    }
}

void MatchTimes::recordStart(const MeetingState& state, long long now) {
    follow(state);
    if (!firstStart_) {
        firstStart_ = now;
    }
    const int slot = runningMatchCount(state);
    for (int side = 0; side < 2 && slot > 0; ++side) {
        const SideMembers started = runningSide(state, slot, side);
        playingSince_[index(started.team, started.member1)] = now;
        playingSince_[index(started.team, started.member2)] = now;
    }
}

void MatchTimes::recordEnd(const MeetingState& state, long long now, bool played) {
    follow(state);
    // A match that started before this run: whoever was free then has
    // waited at least as long as its players.
    if (!firstStart_) {
        firstStart_ = now;
    }
    std::array<int, 4> members{};
    PlayedMatch ended{{pickedSide(state, 0), pickedSide(state, 1)}, state.removeSlot, now};
    for (int side = 0; side < 2; ++side) {
        members[2 * side] = index(ended.sides[side].team, ended.sides[side].member1);
        members[2 * side + 1] = index(ended.sides[side].team, ended.sides[side].member2);
    }
    for (const int member : members) {
        lastEnd_[member] = now;
        playingSince_[member].reset();
    }
    if (!played) {
        return;
    }
    if (played_.size() == static_cast<std::size_t>(kMaxRunning)) {
        played_.erase(played_.begin());
    }
    played_.push_back(ended);
    // In singles the second member of a side is its opponent: only the
    // first members meet.
    const int perSide = matchShapeOf(state) == MatchShape::Singles ? 1 : 2;
    for (int l = 0; l < perSide; ++l) {
        for (int r = 0; r < perSide; ++r) {
            const int left = members[l];
            const int right = members[2 + r];
            if (left != right && opposed_[left][right] < 255) {
                ++opposed_[left][right];
                ++opposed_[right][left];
            }
        }
    }
}

std::optional<long long> MatchTimes::freeSince(const MeetingState& state, int team,
                                               int slot) const {
    if (!knowsMeeting(state) || !firstStart_) {
        return std::nullopt;
    }
    return lastEnd_[index(team, slot)].value_or(*firstStart_);
}

int MatchTimes::opposedToday(const MeetingState& state, int teamA, int slotA, int teamB,
                             int slotB) const {
    if (!knowsMeeting(state)) {
        return 0;
    }
    return opposed_[index(teamA, slotA)][index(teamB, slotB)];
}

std::optional<long long> MatchTimes::startOf(const MeetingState& state, int slot) const {
    if (!knowsMeeting(state) || slot < 1 || slot > runningMatchCount(state)) {
        return std::nullopt;
    }
    const SideMembers first = runningSide(state, slot, 0);
    return playingSince_[index(first.team, first.member1)];
}

std::vector<PlayedMatch> MatchTimes::playedSince(const MeetingState& state, long long since) const {
    std::vector<PlayedMatch> recent;
    if (!knowsMeeting(state)) {
        return recent;
    }
    for (const PlayedMatch& match : played_) {
        if (match.end >= since) {
            recent.push_back(match);
        }
    }
    return recent;
}

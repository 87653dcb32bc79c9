#include "suggestions/MatchTimes.h"

#include "register/ClubRegister.h"
#include "results/ScoreCode.h"

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

MeetingRef meetingOf(const MeetingState& state) {
    return {state.currentPath, state.meetingCount};
}

// Only a meeting of a data file is logged, never the placeholder of a new run.
bool isLogged(const MeetingState& state) {
    return state.meetingCount >= 1 && !state.currentPath.empty();
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
        ClubRegister* source = register_;
        MemberLookup lookup = std::move(lookup_);
        *this = MatchTimes{};
        register_ = source;
        lookup_ = std::move(lookup);
        path_ = state.currentPath;
        meetingCount_ = state.meetingCount;
        readLog(state);
    }
}

std::array<std::vector<MemberRef>, 2>
MatchTimes::sidesOf(const MeetingState& state, const std::array<SideMembers, 2>& sides) const {
    std::array<std::vector<MemberRef>, 2> refs;
    const bool singles = matchShapeOf(state) == MatchShape::Singles;
    for (std::size_t side = 0; side < 2; ++side) {
        refs[side].push_back(lookup_(state, sides[side].team, sides[side].member1));
        if (!singles) {
            refs[side].push_back(lookup_(state, sides[side].team, sides[side].member2));
        }
    }
    return refs;
}

// The roster's members found by their references in the meeting's logged
// matches: the first start, each member's last end and the opponents of
// every finished match.
void MatchTimes::readLog(const MeetingState& state) {
    if (register_ == nullptr || !register_->isOpen() || !lookup_ || !isLogged(state)) {
        return;
    }
    const std::vector<LoggedMatch> logged = register_->matches(meetingOf(state));
    if (logged.empty()) {
        return;
    }
    std::vector<std::pair<MemberRef, int>> roster;
    for (int team = 0; team < 2; ++team) {
        for (int slot = 1; slot <= memberCount(state, team); ++slot) {
            roster.emplace_back(lookup_(state, team, slot), index(team, slot));
        }
    }
    const auto find = [&roster](const MemberRef& member) {
        for (const auto& [ref, at] : roster) {
            if (ref == member) {
                return at;
            }
        }
        return -1;
    };
    for (const LoggedMatch& match : logged) {
        firstStart_ = std::min(firstStart_.value_or(match.start), match.start);
        if (!match.end) {
            continue;
        }
        const bool singles = match.sides[0].size() < 2 && match.sides[1].size() < 2;
        std::array<int, 4> members{-1, -1, -1, -1};
        for (std::size_t side = 0; side < 2; ++side) {
            for (std::size_t k = 0; k < std::min<std::size_t>(2, match.sides[side].size()); ++k) {
                members[2 * side + k] = find(match.sides[side][k]);
            }
        }
        noteEnd(members, *match.end, match.outcome == MatchOutcome::Finished, singles);
    }
}

void MatchTimes::noteEnd(const std::array<int, 4>& members, long long end, bool played,
                         bool singles) {
    for (const int member : members) {
        if (member >= 0) {
            lastEnd_[static_cast<std::size_t>(member)] = end;
        }
    }
    if (!played) {
        return;
    }
    const int perSide = singles ? 1 : 2;
    for (int l = 0; l < perSide; ++l) {
        for (int r = 0; r < perSide; ++r) {
            const int left = members[static_cast<std::size_t>(l)];
            const int right = members[static_cast<std::size_t>(2 + r)];
            if (left < 0 || right < 0 || left == right) {
                continue;
            }
            auto& count = opposed_[static_cast<std::size_t>(left)][static_cast<std::size_t>(right)];
            if (count < 255) {
                ++count;
                ++opposed_[static_cast<std::size_t>(right)][static_cast<std::size_t>(left)];
            }
        }
    }
}

void MatchTimes::recordStart(const MeetingState& state, long long now) {
    follow(state);
    if (!firstStart_) {
        firstStart_ = now;
    }
    lastError_ = {};
    if (register_ == nullptr || !register_->isOpen() || !lookup_ || !isLogged(state) ||
        state.runningCount < 1) {
        return;
    }
    LoggedMatch match;
    match.meeting = meetingOf(state);
    match.court = state.runningCount;
    match.sides = sidesOf(state, {runningSide(state, state.runningCount, 0),
                                  runningSide(state, state.runningCount, 1)});
    match.start = now;
    lastError_ = register_->logMatchStart(match);
}

void MatchTimes::recordEnd(const MeetingState& state, long long now, bool played) {
    recordEnd(state, now, played ? MatchOutcome::Finished : MatchOutcome::Cancelled);
}

void MatchTimes::recordEnd(const MeetingState& state, long long now, MatchOutcome outcome) {
    const bool played = outcome == MatchOutcome::Finished;
    follow(state);
    // A match that started before this run: whoever was free then has
    // waited at least as long as its players.
    if (!firstStart_) {
        firstStart_ = now;
    }
    const std::array<SideMembers, 2> picked = {pickedSide(state, 0), pickedSide(state, 1)};
    std::array<int, 4> members{};
    for (std::size_t side = 0; side < 2; ++side) {
        members[2 * side] = index(picked[side].team, picked[side].member1);
        members[2 * side + 1] = index(picked[side].team, picked[side].member2);
    }
    // In singles the second member of a side is its opponent: only the
    // first members meet.
    const bool singles = matchShapeOf(state) == MatchShape::Singles;
    noteEnd(members, now, played, singles);

    lastError_ = {};
    if (register_ == nullptr || !register_->isOpen() || !lookup_ || !isLogged(state)) {
        return;
    }
    LoggedMatch match;
    match.meeting = meetingOf(state);
    match.court = state.removeSlot;
    match.sides = sidesOf(state, picked);
    match.start = now;
    match.end = now;
    match.outcome = outcome;
    if (played) {
        const ScoreParts score =
            splitScore(pairResult(state, picked[0].team, picked[0].member1, picked[0].member2));
        match.gamesFirst = static_cast<int>(score.first);
        match.gamesSecond = static_cast<int>(score.second);
    }
    lastError_ = register_->logMatchEnd(match);
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

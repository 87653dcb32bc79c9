#include "cli/ClubNightSimulation.h"

#include "app/MeetingFileCommands.h"
#include "cli/SimulationServices.h"

#include "app/MeetingCompletion.h"
#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "app/ResultEntry.h"
#include "app/SuggestedPicks.h"
#include "matching/PairSelection.h"
#include "matching/RunningList.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "storage/SettingsStore.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/MeetingReading.h"
#include "suggestions/SuggestionEngine.h"
#include "text/NumberPattern.h"
#include "text/Utf8.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

constexpr long long kWeekSeconds = 7 * 86400;
constexpr int kShortestMatchMinutes = 15;
constexpr int kMatchMinuteRange = 11; // 15..25 minutes
constexpr int kWinningGames = 6;

std::uint64_t mix(std::uint64_t value) {
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

// An independent draw for each purpose, meeting and match, so that both
// policies meet the same resting members, durations and scores.
std::uint64_t draw(std::uint64_t seed, int purpose, int meeting, int index) {
    return mix(
        mix(mix(seed + static_cast<std::uint64_t>(purpose)) + static_cast<std::uint64_t>(meeting)) +
        static_cast<std::uint64_t>(index));
}

enum Purpose { RestDraw = 1, DurationDraw = 2, ScoreDraw = 3 };

int memberId(int team, int slot) {
    return team * kSlots + slot;
}

struct RunningMatch {
    long long end = 0;
    std::array<SideMembers, 2> sides;
    std::vector<int> players;
};

class Season {
public:
    explicit Season(const SimulationSettings& settings)
        : settings_(settings), program_(platform_, clock_, store_, folder_.path()) {}

    bool run(SeasonFairness& fairness, std::string& error) {
        if (!createFile()) {
            return failed("the data file cannot be written", error);
        }
        for (int meeting = 1; meeting <= settings_.meetings; ++meeting) {
            chooseResting(meeting);
            if (!saveMeeting(program_, SaveTarget::Meeting)) {
                return failed("the meeting cannot be saved", error);
            }
            MeetingFairness night;
            if (!playMeeting(meeting, night)) {
                return failed("a match could not be played", error);
            }
            night.partnersSoFar = countPartners();
            fairness.meetings.push_back(night);
            if (meeting < settings_.meetings && !completeMeeting(program_)) {
                return failed("the meeting could not be completed", error);
            }
        }
        return true;
    }

private:
    bool failed(const char* what, std::string& error) const {
        error = what;
        if (!platform_.lastMessage().empty()) {
            error += ": " + toUtf8(platform_.lastMessage());
        }
        return false;
    }

    bool createFile() {
        MeetingState& s = program_.state;
        resetMeeting(s, ResetTarget::StartUp);
        resetMeeting(s, ResetTarget::NewMeeting);
        s.matchMethod = static_cast<MatchMethod>(settings_.method);
        s.teamSize = {static_cast<std::int16_t>(settings_.playersA),
                      static_cast<std::int16_t>(settings_.method == 0 ? settings_.playersB : 0), 0};
        s.meetingCount = 1;
        for (int team = 0; team < 2; ++team) {
            for (int slot = 1; slot <= s.teamSize[team]; ++slot) {
                everyone_.push_back(memberId(team, slot));
            }
        }
        alwaysPresent_.insert(everyone_.begin(), everyone_.end());
        return saveMeetingTo(program_, std::filesystem::absolute(settings_.out).u16string());
    }

    void chooseResting(int meeting) {
        std::vector<int> order = everyone_;
        for (std::size_t i = order.size(); i > 1; --i) {
            const auto j = draw(settings_.seed, RestDraw, meeting, static_cast<int>(i)) % i;
            std::swap(order[i - 1], order[j]);
        }
        MeetingState& s = program_.state;
        present_.clear();
        for (std::size_t i = 0; i < order.size(); ++i) {
            const int team = order[i] / kSlots;
            const int slot = order[i] % kSlots;
            const bool rests = std::cmp_less(i, settings_.resting);
            s.memberStatus[team][slot] = static_cast<std::int16_t>(rests ? 10 : 0);
            if (rests) {
                alwaysPresent_.erase(order[i]);
            } else {
                present_.push_back(order[i]);
            }
        }
    }

    // The first cell with the mark in table order (rows top down, cells
    // above the diagonal left to right) that the table lets one pick and
    // that does not undo the first pick.
    bool firstMarkedCell(std::int16_t mark, int& column, int& row) const {
        const MeetingState& s = program_.state;
        const int team = s.currentTeam;
        const SideMembers first = pickedSide(s, 0);
        const bool sameTeamPick =
            first.member1 > 0 && matchShapeOf(s) != MatchShape::TwoTeamDoubles;
        for (row = 1; row <= memberCount(s, team); ++row) {
            for (column = row + 1; column <= memberCount(s, team); ++column) {
                const bool clash =
                    sameTeamPick && (column == first.member1 || column == first.member2 ||
                                     row == first.member1 || row == first.member2);
                if (!clash && pairCode(s, team, column, row) == mark &&
                    isPickableCell(s, column, row)) {
                    return true;
                }
            }
        }
        return false;
    }

    PickOutcome pickByMarks() {
        MeetingState& s = program_.state;
        for (int pick = 0; pick < 2; ++pick) {
            buildPairingTable(program_);
            int column = 0;
            int row = 0;
            if (!firstMarkedCell(PairFirstClass, column, row) &&
                !firstMarkedCell(PairSecondClass, column, row)) {
                return PickOutcome::Refused;
            }
            const PickOutcome outcome = selectPair(s, platform_, column, row);
            if (outcome != PickOutcome::Picked) {
                return outcome;
            }
        }
        return PickOutcome::Refused;
    }

    bool pickNext() {
        MeetingState& s = program_.state;
        endSelection(s);
        buildPairingTable(program_);
        PickOutcome outcome = PickOutcome::Refused;
        if (settings_.policy == PickPolicy::Marks) {
            outcome = pickByMarks();
        } else if (const auto best = currentSuggestions(program_, 1); !best.empty()) {
            outcome = makeSuggestedPicks(program_, best.front());
        }
        if (outcome != PickOutcome::Complete) {
            endSelection(s);
            return false;
        }
        return true;
    }

    std::vector<int> playersOf(const std::array<SideMembers, 2>& sides) const {
        std::set<int> players;
        for (const SideMembers& side : sides) {
            players.insert(memberId(side.team, side.member1));
            players.insert(memberId(side.team, side.member2));
        }
        return {players.begin(), players.end()};
    }

    bool startNext(int meeting, MeetingFairness& night) {
        MeetingState& s = program_.state;
        RunningMatch match;
        match.sides = {pickedSide(s, 0), pickedSide(s, 1)};
        match.players = playersOf(match.sides);
        if (!startPickedMatch(program_)) {
            return false;
        }
        endSelection(s);
        const long long now = clock_.seconds();
        for (const int p : match.players) {
            noteWait(p, now, night);
        }
        ++started_;
        lastStart_ = now;
        const auto minutes =
            kShortestMatchMinutes +
            static_cast<int>(draw(settings_.seed, DurationDraw, meeting, started_) %
                             kMatchMinuteRange);
        match.end = now + minutes * 60LL;
        running_.push_back(match);
        return true;
    }

    void noteWait(int player, long long until, MeetingFairness& night) {
        const long long waited = until - freeSince_[player];
        if (waited <= 0) {
            return;
        }
        night.longestWaitMinutes =
            std::max(night.longestWaitMinutes, static_cast<int>(waited / 60));
        night.longestWaitMatches =
            std::max(night.longestWaitMatches, started_ - startsWhenFree_[player]);
    }

    int runningRow(const RunningMatch& match) const {
        const MeetingState& s = program_.state;
        for (int k = 1; k <= runningMatchCount(s); ++k) {
            const SideMembers side0 = runningSide(s, k, 0);
            const SideMembers side1 = runningSide(s, k, 1);
            if (side0.team == match.sides[0].team && side0.member1 == match.sides[0].member1 &&
                side0.member2 == match.sides[0].member2 && side1.team == match.sides[1].team &&
                side1.member1 == match.sides[1].member1 &&
                side1.member2 == match.sides[1].member2) {
                return k;
            }
        }
        return 0;
    }

    bool finishNext(int meeting, std::set<std::pair<int, int>>& partners) {
        const auto next = std::min_element(
            running_.begin(), running_.end(),
            [](const RunningMatch& a, const RunningMatch& b) { return a.end < b.end; });
        clock_.set(next->end);
        MeetingState& s = program_.state;
        if (!chooseRunningMatch(s, platform_, runningRow(*next))) {
            return false;
        }
        ++finished_;
        const std::uint64_t score = draw(settings_.seed, ScoreDraw, meeting, finished_);
        const int loser = static_cast<int>(score % (kWinningGames - 1));
        const bool sideZeroWins = (score >> 8) % 2 == 0;
        const std::u16string winning = formatNumber(kWinningGames, u"0");
        const std::u16string losing = formatNumber(loser, u"0");
        if (!enterResult(program_, sideZeroWins ? winning : losing,
                         sideZeroWins ? losing : winning)) {
            return false;
        }
        s.clearPicks();
        for (const int p : next->players) {
            freeSince_[p] = next->end;
            startsWhenFree_[p] = started_;
            ++played_[p];
        }
        if (matchShapeOf(s) != MatchShape::Singles) {
            for (const SideMembers& side : next->sides) {
                const int a = memberId(side.team, side.member1);
                const int b = memberId(side.team, side.member2);
                partners.insert({std::min(a, b), std::max(a, b)});
            }
        }
        running_.erase(next);
        return true;
    }

    bool playMeeting(int meeting, MeetingFairness& night) {
        // Weekly club nights from 19:00 on 1 April 2026.
        std::tm first{};
        first.tm_year = 126;
        first.tm_mon = 3;
        first.tm_mday = 1;
        first.tm_hour = 19;
        const long long start = secondsOf(first) + (meeting - 1) * kWeekSeconds;
        clock_.set(start);
        freeSince_.clear();
        startsWhenFree_.clear();
        played_.clear();
        running_.clear();
        started_ = 0;
        finished_ = 0;
        lastStart_ = start;
        for (const int p : present_) {
            freeSince_[p] = start;
            startsWhenFree_[p] = 0;
            played_[p] = 0;
        }
        std::set<std::pair<int, int>> partners;
        const int target = settings_.courts * settings_.rounds;
        for (;;) {
            while (std::ssize(running_) < settings_.courts && started_ < target && pickNext()) {
                if (!startNext(meeting, night)) {
                    return false;
                }
            }
            if (running_.empty()) {
                break;
            }
            if (!finishNext(meeting, partners)) {
                return false;
            }
        }
        for (const int p : present_) {
            if (freeSince_[p] < lastStart_) {
                noteWait(p, lastStart_, night);
            }
        }
        int fewest = started_ > 0 ? 1 << 30 : 0;
        int most = 0;
        for (const int p : present_) {
            fewest = std::min(fewest, played_[p]);
            most = std::max(most, played_[p]);
        }
        night.playedSpread = most - fewest;
        night.matchesPlayed = finished_;
        for (const auto& pair : partners) {
            ++partnerMeetings_[pair];
        }
        return true;
    }

    PartnerFairness countPartners() const {
        PartnerFairness fairness;
        fairness.counted = settings_.method != 2;
        if (!fairness.counted) {
            return fairness;
        }
        int fewest = 1 << 30;
        for (const int a : alwaysPresent_) {
            for (const int b : alwaysPresent_) {
                if (a >= b || a / kSlots != b / kSlots) {
                    continue;
                }
                const auto found = partnerMeetings_.find({a, b});
                const int count = found == partnerMeetings_.end() ? 0 : found->second;
                ++fairness.pairs;
                fewest = std::min(fewest, count);
                fairness.largest = std::max(fairness.largest, count);
                fairness.never += count == 0 ? 1 : 0;
            }
        }
        fairness.spread = fairness.pairs > 0 ? fairness.largest - fewest : 0;
        return fairness;
    }

    const SimulationSettings& settings_;
    PrivateFolder folder_;
    SimulationPlatform platform_;
    SimulationClock clock_;
    MemorySettingsStore store_;
    Program program_;

    std::vector<int> everyone_;
    std::vector<int> present_;
    std::set<int> alwaysPresent_;
    std::map<std::pair<int, int>, int> partnerMeetings_;

    std::vector<RunningMatch> running_;
    std::map<int, long long> freeSince_;
    std::map<int, int> startsWhenFree_;
    std::map<int, int> played_;
    int started_ = 0;
    int finished_ = 0;
    long long lastStart_ = 0;
};

} // namespace

bool simulateSeason(const SimulationSettings& settings, SeasonFairness& fairness,
                    std::string& error) {
    const auto season = std::make_unique<Season>(settings);
    return season->run(fairness, error);
}

#include "suggestions/SuggestionEngine.h"
#include "MeetingBuilder.h"
#include "TempDir.h"
#include "storage/MeetingRecord.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/SeasonHistory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

std::vector<Suggestion> suggest(const MeetingState& meeting, const SeasonHistory& history,
                                const MatchTimes* times = nullptr, long long now = 0, int count = 3,
                                std::uint64_t seed = 1) {
    return suggestMatches({meeting, history, times, now, seed}, count);
}

// The members of a suggestion as "team:slot" texts, sides in order.
std::vector<std::string> playersOf(const Suggestion& s) {
    std::vector<std::string> players;
    for (const PickCell& cell : s.cells) {
        for (const int slot : {cell.row, cell.column}) {
            players.push_back(std::to_string(cell.team) + ":" + std::to_string(slot));
        }
    }
    return players;
}

// Records a finished match (as result entry leaves the picks) ending at `end`.
void endMatch(MatchTimes& times, MeetingState& s, std::array<int, 4> members, long long end) {
    s.pickTeam = {0, 0, 0};
    s.pickMember1 = {static_cast<std::int16_t>(members[0]), static_cast<std::int16_t>(members[2]),
                     0};
    s.pickMember2 = {static_cast<std::int16_t>(members[1]), static_cast<std::int16_t>(members[3]),
                     0};
    times.recordEnd(s, end, true);
    s.clearPicks();
}

SeasonHistory historyOf(std::vector<std::pair<MeetingBuilder*, int>> meetings) {
    SeasonHistory history;
    for (auto& [builder, age] : meetings) {
        history.addMeeting(builder->state(), age);
    }
    return history;
}

} // namespace

TEST(SuggestionEngine, OrderFewestPlayedTodayFirst) {
    MeetingBuilder b(4, 4);
    b.twoTeam(1, 2, 1, 2, 6, 3);
    const auto best = suggest(b.state(), SeasonHistory{});
    ASSERT_FALSE(best.empty());
    EXPECT_EQ(playersOf(best[0]), (std::vector<std::string>{"0:3", "0:4", "1:3", "1:4"}));
}

TEST(SuggestionEngine, OrderLongestWaitSinceLastMatch) {
    MeetingBuilder b(8, 0, 1);
    b.oneTeam(0, 1, 2, 3, 4, 6, 2).oneTeam(0, 5, 6, 7, 8, 6, 4);
    MatchTimes times;
    times.recordStart(b.state(), 0);
    endMatch(times, b.state(), {1, 2, 3, 4}, 600);
    endMatch(times, b.state(), {5, 6, 7, 8}, 3000);
    const auto best = suggest(b.state(), SeasonHistory{}, &times, 3000);
    ASSERT_FALSE(best.empty());
    const auto players = playersOf(best[0]);
    EXPECT_EQ(std::set<std::string>(players.begin(), players.end()),
              (std::set<std::string>{"0:1", "0:2", "0:3", "0:4"}));
    EXPECT_NE(best[0].reasonText().find(u"待ち40分"), std::u16string::npos);
}

TEST(SuggestionEngine, OrderLeastPartneredBeforeRecentWeighingMore) {
    MeetingBuilder lastWeek(3, 2);
    lastWeek.twoTeam(1, 2, 1, 2, 6, 1);
    MeetingBuilder longAgo(3, 2);
    longAgo.twoTeam(1, 3, 1, 2, 6, 1);
    const SeasonHistory history = historyOf({{&lastWeek, 1}, {&longAgo, 5}});
    MeetingBuilder today(3, 2);
    const auto best = suggest(today.state(), history);
    ASSERT_EQ(best.size(), 3u);
    std::vector<std::vector<std::string>> teamA;
    for (const Suggestion& s : best) {
        teamA.push_back({playersOf(s)[0], playersOf(s)[1]});
    }
    EXPECT_EQ(teamA, (std::vector<std::vector<std::string>>{
                         {"0:2", "0:3"}, {"0:1", "0:3"}, {"0:1", "0:2"}}));
    EXPECT_EQ(best[0].reasons[0], u"A2・A3：本日0試合・今季初ペア");
    EXPECT_EQ(best[2].reasons[0], u"A1・A2：本日0試合・今季2回目のペア");
}

TEST(SuggestionEngine, OrderOpponentsMetLeast) {
    MeetingBuilder before(2, 4);
    before.twoTeam(1, 2, 1, 2, 6, 2);
    const SeasonHistory history = historyOf({{&before, 2}});
    MeetingBuilder today(2, 4);
    const auto best = suggest(today.state(), history, nullptr, 0, 6);
    ASSERT_EQ(best.size(), 6u);
    EXPECT_EQ(playersOf(best[0]), (std::vector<std::string>{"0:1", "0:2", "1:3", "1:4"}));
    // The pair that partnered before comes last (rule 3 outranks rule 4).
    EXPECT_EQ(playersOf(best[5]), (std::vector<std::string>{"0:1", "0:2", "1:1", "1:2"}));
}

TEST(SuggestionEngine, OrderSeededTieBreakNotTableOrder) {
    MeetingBuilder b(12, 0, 1);
    std::set<std::vector<std::string>> firsts;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        const auto once = suggest(b.state(), SeasonHistory{}, nullptr, 0, 1, seed);
        const auto again = suggest(b.state(), SeasonHistory{}, nullptr, 0, 1, seed);
        ASSERT_EQ(once.size(), 1u);
        EXPECT_EQ(playersOf(once[0]), playersOf(again[0]));
        firsts.insert(playersOf(once[0]));
    }
    EXPECT_GT(firsts.size(), 4u);
}

TEST(SuggestionEngine, CandidatesOnlyFreeMembersAndPickableCells) {
    struct Case {
        const char* name;
        int method;
        int intraTeam;
        std::size_t cells;
    };
    for (const Case& c : {Case{"two-team", 0, 0, 2}, Case{"one-team", 1, 0, 2},
                          Case{"singles", 2, 0, 1}, Case{"intra-team", 0, 1, 2}}) {
        SCOPED_TRACE(c.name);
        MeetingBuilder b(7, 7, c.method);
        b.state().intraTeamMode = static_cast<IntraTeamMode>(c.intraTeam);
        b.resting(0, 1).forfeit(0, 2, 3).forfeit(1, 2, 3);
        b.runningTwoTeam(6, 7, 6, 7);
        const auto all = suggest(b.state(), SeasonHistory{}, nullptr, 0, 100000);
        ASSERT_FALSE(all.empty());
        for (const Suggestion& s : all) {
            ASSERT_EQ(s.cells.size(), c.cells);
            std::set<std::string> distinct;
            for (const std::string& p : playersOf(s)) {
                EXPECT_TRUE(p != "0:1" && p != "0:6" && p != "0:7" && p != "1:6" && p != "1:7")
                    << p;
                distinct.insert(p);
            }
            EXPECT_EQ(distinct.size(), 2 * c.cells);
            for (const PickCell& cell : s.cells) {
                EXPECT_FALSE(cell.column == 3 && cell.row == 2);
            }
            EXPECT_EQ(s.cells.front().team, 0);
            EXPECT_EQ(s.cells.back().team, c.method == 0 && c.intraTeam == 0 ? 1 : 0);
        }
    }
}

TEST(SuggestionEngine, CandidatesNothingWhileAnEarlierMeetingIsShown) {
    MeetingBuilder b(4, 4);
    b.state().viewedMeeting = 1;
    EXPECT_TRUE(suggest(b.state(), SeasonHistory{}).empty());
}

TEST(SuggestionEngine, ImpossibleSeasonRecordsNeverCrash) {
    TempDir dir;
    const auto file = dir.path() / "bad.rly";
    std::vector<char> bytes(MeetingRecord::kSize * 4);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::ssize(bytes));
    for (const int claimed : {-3, 0, 5, 30000}) {
        const SeasonHistory history = readSeasonHistory(file, claimed);
        EXPECT_LE(history.meetings(), 4);
        MeetingBuilder today(20, 20);
        EXPECT_FALSE(suggest(today.state(), history).empty());
    }
}

#include "MatchFixture.h"
#include "app/CourtBoard.h"
#include "app/ResultEntry.h"
#include "app/SuggestedPicks.h"
#include "board/BoardBuilder.h"
#include "matching/PairSelection.h"
#include "matching/RunningList.h"

namespace {

std::tm at(int hour, int minute, int second = 0) {
    std::tm moment{};
    moment.tm_year = 126;
    moment.tm_mon = 3;
    moment.tm_mday = 1;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    moment.tm_sec = second;
    return moment;
}

std::vector<std::u16string> namesOf(const BoardSide& side) {
    std::vector<std::u16string> names;
    for (const BoardMember& m : side.members) {
        names.push_back(m.name);
    }
    return names;
}

std::vector<std::u16string> namesOf(const std::vector<WaitingMember>& members) {
    std::vector<std::u16string> names;
    for (const WaitingMember& m : members) {
        names.push_back(m.name);
    }
    return names;
}

class BoardContentTest : public MatchFixture {
protected:
    // A match on the next court started at the clock, as the confirmation does.
    void start(int team0, int a0, int b0, int team1, int a1, int b1) {
        startRunning(team0, a0, b0, team1, a1, b1);
        program().matchTimes.recordStart(state(), secondsOf(clock_.now()));
        state().clearPicks();
    }
    // The result of the match on `court`, entered at the clock.
    void result(int court, const char16_t* games0, const char16_t* games1) {
        ASSERT_TRUE(chooseRunningMatch(state(), platform_, court));
        ASSERT_TRUE(enterResult(program(), games0, games1));
        endSelection(state());
    }
    BoardContent board() { return courtBoard(program()); }
};

} // namespace

TEST_F(BoardContentTest, RunningMatchesInEachMethod) {
    struct Case {
        MatchMethod method;
        std::array<int, 6> match; // team, member1, member2 of each side
        std::vector<std::u16string> side0, side1;
        bool teamColours;
        bool nextMatch; // one-team doubles leaves two free members, no match
    };
    const Case cases[] = {
        {MatchMethod::TwoTeamDoubles,
         {0, 1, 2, 1, 1, 2},
         {u"Ａ甲1", u"Ａ甲2"},
         {u"Ｂ乙1", u"Ｂ乙2"},
         true,
         true},
        {MatchMethod::OneTeamDoubles,
         {0, 1, 2, 0, 3, 4},
         {u"Ａ甲1", u"Ａ甲2"},
         {u"Ａ甲3", u"Ａ甲4"},
         false,
         false},
        {MatchMethod::OneTeamSingles, {0, 1, 2, 0, 2, 1}, {u"Ａ甲1"}, {u"Ａ甲2"}, false, true},
    };
    for (const Case& c : cases) {
        resetMeeting(state(), ResetTarget::MatchData);
        program().matchTimes = MatchTimes{};
        state().matchMethod = c.method;
        state().meetingTitle = u"火曜練習会";
        clock_.set(at(19, 0));
        start(c.match[0], c.match[1], c.match[2], c.match[3], c.match[4], c.match[5]);
        clock_.set(at(19, 12, 30));
        const BoardContent b = board();
        EXPECT_EQ(b.title, u"火曜練習会");
        EXPECT_EQ(b.clockText, u"19:12");
        EXPECT_EQ(b.teamColours, c.teamColours);
        ASSERT_EQ(b.courts.size(), 1u);
        EXPECT_EQ(b.courts[0].court, 1);
        EXPECT_EQ(namesOf(b.courts[0].sides[0]), c.side0);
        EXPECT_EQ(namesOf(b.courts[0].sides[1]), c.side1);
        EXPECT_EQ(b.courts[0].sides[1].team, c.match[3]);
        EXPECT_EQ(b.courts[0].minutesPlayed, 12);
        EXPECT_FALSE(b.courts[0].finished);
        EXPECT_EQ(b.nextMatches.size(), c.nextMatch ? 3u : 0u);
    }
}

TEST_F(BoardContentTest, CourtsCloseUpAndAFinishedMatchFlashesBriefly) {
    clock_.set(at(19, 0));
    start(0, 1, 2, 1, 1, 2);
    clock_.set(at(19, 5));
    start(0, 3, 4, 1, 3, 4);
    program().matchTimes = MatchTimes{}; // a new run knows no start times
    program().matchTimes.recordStart(state(), secondsOf(at(19, 5)));
    clock_.set(at(19, 20));
    result(1, u"6", u"3");

    BoardContent b = board();
    ASSERT_EQ(b.courts.size(), 2u);
    EXPECT_EQ(b.courts[0].court, 1);
    EXPECT_EQ(b.courts[0].minutesPlayed, 15);
    EXPECT_EQ(namesOf(b.courts[0].sides[0]), (std::vector<std::u16string>{u"Ａ甲3", u"Ａ甲4"}));
    EXPECT_TRUE(b.courts[1].finished);
    EXPECT_EQ(b.courts[1].court, 1);
    EXPECT_EQ(b.courts[1].games, (std::array<int, 2>{6, 3}));
    EXPECT_EQ(namesOf(b.courts[1].sides[1]), (std::vector<std::u16string>{u"Ｂ乙1", u"Ｂ乙2"}));

    clock_.set(at(19, 20, kFinishedShownSeconds + 1));
    b = board();
    ASSERT_EQ(b.courts.size(), 1u);
    EXPECT_FALSE(b.courts[0].finished);
}

TEST_F(BoardContentTest, WaitingLongestFirstRestingApartPlayersLeftOut) {
    state().memberStatus[0][6] = 2; // Ａ甲6 rests
    clock_.set(at(19, 0));
    start(0, 1, 2, 1, 1, 2);
    start(0, 3, 4, 1, 3, 4);
    clock_.set(at(19, 10));
    result(1, u"6", u"2");
    clock_.set(at(19, 25));
    result(1, u"4", u"6");
    clock_.set(at(19, 26));
    start(0, 1, 5, 1, 1, 5);
    clock_.set(at(19, 40));

    const BoardContent b = board();
    // Ａ甲2, Ｂ乙2 free since 19:10; Ａ甲3, Ａ甲4, Ｂ乙3, Ｂ乙4 since 19:25; Ａ甲5,
    // Ｂ乙5 have not played; Ａ甲1, Ｂ乙1 play.
    EXPECT_EQ(namesOf(b.waiting), (std::vector<std::u16string>{u"Ａ甲2", u"Ｂ乙2", u"Ａ甲3",
                                                               u"Ａ甲4", u"Ｂ乙3", u"Ｂ乙4"}));
    EXPECT_EQ(b.waiting[0].minutesWaited, 30);
    EXPECT_EQ(b.waiting[2].minutesWaited, 15);
    EXPECT_EQ(b.waiting[0].matchesPlayed, 1);
    EXPECT_EQ(namesOf(b.resting), (std::vector<std::u16string>{u"Ａ甲6"}));
}

TEST_F(BoardContentTest, StandingsOverallAndPerSex) {
    clock_.set(at(19, 0));
    start(0, 1, 2, 1, 1, 2);
    result(1, u"6", u"3");
    start(0, 1, 3, 1, 3, 4);
    result(1, u"2", u"6");

    const BoardContent b = board();
    const StandingsTable& overall = b.standings[0];
    EXPECT_EQ(overall.title, u"総合");
    // Equal win rates: Ｂ乙3 and Ｂ乙4 won 6-2, Ａ甲2 only 6-3.
    ASSERT_EQ(overall.rows.size(), 7u);
    EXPECT_EQ(overall.rows[0].name, u"Ｂ乙3");
    EXPECT_EQ(overall.rows[1].rank, 1);
    EXPECT_EQ(overall.rows[2].name, u"Ａ甲2");
    EXPECT_EQ(overall.rows[2].rank, 3);
    EXPECT_EQ(overall.rows[2].winRate, 100);
    const auto& men = b.standings[1].rows;
    const auto& women = b.standings[2].rows;
    ASSERT_EQ(men.size(), 3u);
    EXPECT_EQ(men[1].name, u"Ａ甲1");
    EXPECT_EQ(men[1].matches, 2);
    EXPECT_EQ(men[1].wins, 1);
    EXPECT_EQ(men[1].winRate, 50);
    ASSERT_EQ(women.size(), 4u);
    EXPECT_EQ(women[0].team, 1);
}

TEST_F(BoardContentTest, AnEarlierMeetingShownLeavesTonightOnTheBoard) {
    state().meetingTitle = u"今夜";
    clock_.set(at(19, 0));
    start(0, 1, 2, 1, 1, 2);
    state().viewedMeeting = state().meetingCount;
    saveSnapshot(state());
    state().viewedMeeting = 1;
    state().meetingTitle = u"先週";
    state().memberAbbrev[0][1] = u"別人";

    const BoardContent b = board();
    EXPECT_EQ(b.title, u"今夜");
    ASSERT_EQ(b.courts.size(), 1u);
    EXPECT_EQ(b.courts[0].sides[0].members[0].name, u"Ａ甲1");
    EXPECT_FALSE(b.nextMatches.empty());
}

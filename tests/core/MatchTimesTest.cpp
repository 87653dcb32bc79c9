#include "suggestions/MatchTimes.h"
#include "MatchFixture.h"
#include "app/MatchRelease.h"
#include "app/ResultEntry.h"
#include "app/SuggestedPicks.h"
#include "matching/PairSelection.h"
#include "matching/RunningList.h"
#include "suggestions/SuggestionEngine.h"

namespace {

std::tm at(int hour, int minute) {
    std::tm moment{};
    moment.tm_year = 126;
    moment.tm_mon = 3;
    moment.tm_mday = 1;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    return moment;
}

class MatchTimesTest : public MatchFixture {
protected:
    // A2+A1 against B2+B1 through the picks and the confirmation's decide.
    void startFirstMatch() {
        endSelection(state());
        ASSERT_EQ(selectPair(state(), platform_, 2, 1), PickOutcome::Picked);
        ASSERT_EQ(selectPair(state(), platform_, 2, 1), PickOutcome::Complete);
        ASSERT_TRUE(startPickedMatch(program()));
        endSelection(state());
    }
    MatchTimes& times() { return program().matchTimes; }
};

} // namespace

TEST_F(MatchTimesTest, SecondsOfCountsCalendarDays) {
    struct Case {
        int year, month, day, hour;
        long long seconds;
    };
    for (const Case& c : {Case{1970, 1, 1, 0, 0}, Case{2000, 3, 1, 0, 951868800},
                          Case{2024, 2, 29, 12, 1709208000}, Case{1969, 12, 31, 23, -3600}}) {
        std::tm moment{};
        moment.tm_year = c.year - 1900;
        moment.tm_mon = c.month - 1;
        moment.tm_mday = c.day;
        moment.tm_hour = c.hour;
        EXPECT_EQ(secondsOf(moment), c.seconds) << c.year;
    }
}

TEST_F(MatchTimesTest, StartAndResultAreTimedAndOpponentsCounted) {
    clock_.set(at(19, 0));
    startFirstMatch();
    clock_.set(at(19, 20));
    ASSERT_TRUE(chooseRunningMatch(state(), platform_, 1));
    ASSERT_TRUE(enterResult(program(), u"6", u"3"));

    const long long start = secondsOf(at(19, 0));
    EXPECT_EQ(times().freeSince(state(), 0, 1), start + 1200);
    EXPECT_EQ(times().freeSince(state(), 1, 2), start + 1200);
    EXPECT_EQ(times().freeSince(state(), 0, 5), start);
    EXPECT_EQ(times().opposedToday(state(), 0, 1, 1, 2), 1);
    EXPECT_EQ(times().opposedToday(state(), 0, 1, 0, 2), 0);

    // The waits reach the reasons: A3..A6 have waited since the first match.
    clock_.set(at(19, 38));
    const auto best = currentSuggestions(program(), 1);
    ASSERT_EQ(best.size(), 1u);
    EXPECT_NE(best[0].reasonText().find(u"待ち38分"), std::u16string::npos);
}

TEST_F(MatchTimesTest, CancelAndForfeitEndWithoutOpponents) {
    for (const auto release : {&cancelMatch, &forfeitMatch}) {
        clock_.set(at(19, 0));
        startFirstMatch();
        clock_.set(at(19, 5));
        ASSERT_TRUE(chooseRunningMatch(state(), platform_, 1));
        release(program());
        EXPECT_EQ(times().freeSince(state(), 0, 2), secondsOf(at(19, 5)));
        EXPECT_EQ(times().opposedToday(state(), 0, 2, 1, 2), 0);
    }
}

TEST_F(MatchTimesTest, ANewRunOrAnotherMeetingKnowsNoTimes) {
    clock_.set(at(19, 0));
    startFirstMatch();
    EXPECT_TRUE(times().knowsMeeting(state()));
    ++state().meetingCount;
    EXPECT_FALSE(times().freeSince(state(), 0, 3).has_value());
    --state().meetingCount;

    const MatchTimes fresh;
    EXPECT_FALSE(fresh.freeSince(state(), 0, 3).has_value());
    const SeasonHistory none;
    const auto best = suggestMatches({state(), none, &fresh, secondsOf(at(19, 30)), 1}, 1);
    ASSERT_EQ(best.size(), 1u);
    EXPECT_EQ(best[0].reasonText().find(u"待ち"), std::u16string::npos);
}

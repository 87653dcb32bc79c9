#include "phones/PhonePage.h"
#include "MatchFixture.h"
#include "app/CourtBoard.h"
#include "app/ResultEntry.h"
#include "board/TonightMeeting.h"
#include "matching/PairSelection.h"
#include "matching/RunningList.h"
#include "phones/PhonePageJson.h"
#include "text/Utf8.h"

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

class PhonePageTest : public MatchFixture {
protected:
    void start(int team0, int a0, int b0, int team1, int a1, int b1) {
        startRunning(team0, a0, b0, team1, a1, b1);
        program().matchTimes.recordStart(state(), secondsOf(clock_.now()));
        state().clearPicks();
    }
    PhonePage page() {
        return buildPhonePage(courtBoard(program()), tonightRoster(tonightMeeting(state())));
    }

    static const PhonePlayer* player(const PhonePage& page, std::u16string_view name) {
        for (const PhonePlayer& p : page.players) {
            if (p.name == name) {
                return &p;
            }
        }
        return nullptr;
    }
};

} // namespace

TEST_F(PhonePageTest, CourtsAndPlayersInEachMethod) {
    struct Case {
        MatchMethod method;
        std::array<int, 6> match;
        std::string courtJson;
        std::u16string playing, suggested;
    };
    const Case cases[] = {
        {MatchMethod::TwoTeamDoubles,
         {0, 1, 2, 1, 1, 2},
         R"({"court":1,"teams":[0,1],"sides":[["Ａ甲1","Ａ甲2"],["Ｂ乙1","Ｂ乙2"]],)"
         R"("minutes":12,"finished":false,"games":[0,0]})",
         u"Ｂ乙2",
         u"Ｂ乙3"},
        {MatchMethod::OneTeamDoubles,
         {0, 1, 2, 0, 3, 4},
         R"({"court":1,"teams":[0,0],"sides":[["Ａ甲1","Ａ甲2"],["Ａ甲3","Ａ甲4"]],)"
         R"("minutes":12,"finished":false,"games":[0,0]})",
         u"Ａ甲4",
         u""},
        {MatchMethod::OneTeamSingles,
         {0, 1, 2, 0, 2, 1},
         R"({"court":1,"teams":[0,0],"sides":[["Ａ甲1"],["Ａ甲2"]],)"
         R"("minutes":12,"finished":false,"games":[0,0]})",
         u"Ａ甲2",
         u"Ａ甲3"},
    };
    for (const Case& c : cases) {
        resetMeeting(state(), ResetTarget::MatchData);
        program().matchTimes = MatchTimes{};
        state().matchMethod = c.method;
        clock_.set(at(19, 0));
        start(c.match[0], c.match[1], c.match[2], c.match[3], c.match[4], c.match[5]);
        clock_.set(at(19, 12));
        const PhonePage p = page();
        const std::string json = phonePageJson(p);
        EXPECT_NE(json.find(R"("courts":[)" + c.courtJson + "]"), std::string::npos) << json;

        const PhonePlayer* playing = player(p, c.playing);
        ASSERT_NE(playing, nullptr);
        EXPECT_EQ(playing->state, PlayerState::Playing);
        EXPECT_EQ(playing->court, 1);
        if (!c.suggested.empty()) {
            const PhonePlayer* next = player(p, c.suggested);
            ASSERT_NE(next, nullptr);
            EXPECT_EQ(next->state, PlayerState::Next);
        }
        // Everyone once: nobody counted twice, nobody left out.
        const int members = c.method == MatchMethod::OneTeamSingles ? 6 : 12;
        EXPECT_EQ(p.players.size(), static_cast<std::size_t>(members));
    }
}

TEST_F(PhonePageTest, MatchesAheadWaitsAndRest) {
    state().memberStatus[0][6] = 2; // Ａ甲6 rests
    clock_.set(at(19, 0));
    start(0, 1, 2, 1, 1, 2);
    clock_.set(at(19, 10));
    ASSERT_TRUE(chooseRunningMatch(state(), platform_, 1));
    ASSERT_TRUE(enterResult(program(), u"6", u"2"));
    endSelection(state());
    clock_.set(at(19, 30));
    const PhonePage p = page();

    ASSERT_FALSE(p.nextMatches.empty());
    for (std::size_t index = 0; index < p.nextMatches.size(); ++index) {
        for (const auto& side : p.nextMatches[index].sides) {
            for (const std::u16string& name : side) {
                const PhonePlayer* next = player(p, name);
                ASSERT_NE(next, nullptr);
                if (next->state == PlayerState::Next && next->matchesAhead == int(index)) {
                    continue;
                }
                // Named in an earlier suggestion already.
                EXPECT_LT(next->matchesAhead, int(index)) << toUtf8(name);
            }
        }
    }
    const PhonePlayer* rested = player(p, u"Ａ甲6");
    ASSERT_NE(rested, nullptr);
    EXPECT_EQ(rested->state, PlayerState::Resting);
    const PhonePlayer* played = player(p, u"Ａ甲1");
    ASSERT_NE(played, nullptr);
    EXPECT_EQ(played->matchesPlayed, 1);
    EXPECT_EQ(played->minutesWaited, 20);
    EXPECT_NE(phonePageJson(p).find(R"("state":"resting")"), std::string::npos);
}

// Nothing but names, times and results leaves the program: no folder or
// file name, no picture name, whatever the meeting holds.
TEST_F(PhonePageTest, HoldsNoFileOrPictureNames) {
    state().memberPhotoNo[0][1] = 3;
    state().meetingTitle = u"<script>alert(1)</script>";
    start(0, 1, 2, 1, 1, 2);
    const std::string json = phonePageJson(page());
    for (const std::string& secret :
         {toUtf8(dir_.u16string()), toUtf8(state().currentPath), std::string(".bmp"),
          std::string(".jpg"), std::string("photo"), std::string("<script>")}) {
        EXPECT_EQ(json.find(secret), std::string::npos) << secret;
    }
    EXPECT_NE(json.find(R"("title":"\u003cscript\u003e)"), std::string::npos);
}

#include "matching/MatchSides.h"
#include "TempDir.h"
#include "state/MeetingState.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A new meeting of teams "青組" (six members) and "赤組" (five), with a
// folder for the pictures.
class MatchSidesTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetMeeting(s, ResetTarget::NewMeeting);
        s.meetingCount = 1;
        s.teamSize = {6, 5, 0};
        s.teamNameA = u"青組";
        s.teamNameB = u"赤組";
    }
    void use(int method, int intra = 0) {
        s.matchMethod = static_cast<MatchMethod>(method);
        s.intraTeamMode = static_cast<IntraTeamMode>(intra);
    }

    MeetingState s;
    TempDir dir;
};

} // namespace

TEST_F(MatchSidesTest, TeamNamesFollowTheMethod) {
    struct Case {
        int method;
        int intra;
        int shownTeam;
        std::u16string side0;
        std::u16string side1;
    };
    const Case cases[] = {
        {0, 0, 0, u"青組", u"赤組"}, {0, 1, 1, u"青組", u"赤組"}, {1, 0, 0, u"青組", u"青組"},
        {1, 0, 1, u"赤組", u"赤組"}, {2, 0, 0, u"青組", u"青組"},
    };
    for (const Case& c : cases) {
        use(c.method, c.intra);
        s.currentTeam = static_cast<std::int16_t>(c.shownTeam);
        const MatchSides sides = loadMatchSides(s, dir.path());
        EXPECT_EQ(sides.teamNames[0], c.side0) << c.method << c.intra << c.shownTeam;
        EXPECT_EQ(sides.teamNames[1], c.side1) << c.method << c.intra << c.shownTeam;
        EXPECT_EQ(sides.partnersShown, c.method != 2);
    }
}

TEST_F(MatchSidesTest, NamesAndPicturesOfTheFourMembers) {
    use(0);
    s.memberAbbrev[0][3] = u"山田";
    s.memberAbbrev[0][1] = u"川口";
    s.memberAbbrev[1][5] = u"佐藤";
    s.memberAbbrev[1][2] = u"鈴木";
    s.memberPhotoNo[0][3] = 7;
    s.memberStatus[1][2] = 11; // a resting woman
    std::ofstream(dir.path() / "tenis007.bmp") << "BM";
    std::ofstream(dir.path() / "tenisman.bmp") << "BM";
    std::ofstream(dir.path() / "teniswmn.bmp") << "BM";
    s.pickTeam = {0, 1, 0};
    s.pickMember1 = {3, 5, 0};
    s.pickMember2 = {1, 2, 0};
    const MatchSides sides = loadMatchSides(s, dir.path());
    EXPECT_EQ(sides.memberNames[0], u"山田      ");
    EXPECT_EQ(sides.memberNames[1], u"川口      ");
    EXPECT_EQ(sides.memberNames[2], u"佐藤      ");
    EXPECT_EQ(sides.memberNames[3], u"鈴木      ");
    EXPECT_EQ(sides.pictures[0].fileName, "tenis007.bmp");
    EXPECT_EQ(sides.pictures[1].fileName, "tenisman.bmp");
    EXPECT_EQ(sides.pictures[2].fileName, "tenisman.bmp");
    EXPECT_EQ(sides.pictures[3].fileName, "teniswmn.bmp");
    for (const PictureLookup& p : sides.pictures) {
        EXPECT_TRUE(p.found);
    }
}

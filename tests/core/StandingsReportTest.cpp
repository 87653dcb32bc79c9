#include "results/StandingsReport.h"
#include "MeetingBuilder.h"
#include "matching/MainView.h"
#include "matching/PairingTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::u16string kHeading = u"順位 試合数   勝:敗 (引分) 勝率  ﾎﾟ勝率  略称";

// Four against four with a win, a draw and a loss for team A; A4 and B2 are
// women, A1 rests after having played.
MeetingBuilder twoTeamMeeting() {
    MeetingBuilder b(4, 4);
    b.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(3, 4, 3, 4, 5, 5).twoTeam(1, 3, 1, 3, 2, 6);
    b.woman(0, 4).woman(1, 2).resting(0, 1);
    MainView view;
    buildPairingTable(b.state(), view, 1);
    return b;
}

} // namespace

TEST(StandingsReport, OverallListSharesRanksInTeamThenMemberOrder) {
    MeetingBuilder b = twoTeamMeeting();
    const StandingsReport report = buildStandingsReport(b.state(), ReportKind::Overall);
    EXPECT_EQ(report.title, u"☆ 総合成績 ☆");
    const std::vector<std::u16string> expected{
        kHeading,
        u" 01      01     01:00 (00)  100%  060%   A2       ",
        u" 02      02     01:00 (01)  067%  061%   B3       ",
        u" 03      02     01:01 (00)  050%  056%   B1       ",
        u" 04      01     00:00 (01)  050%  050%   A4       ",
        u" 04      01     00:00 (01)  050%  050%   B4       ",
        u" 06      02     01:01 (00)  050%  044%   A1       ",
        u" 07      02     00:01 (01)  033%  039%   A3       ",
        u" 08      01     00:01 (00)  000%  040%   B2       ",
    };
    EXPECT_EQ(report.memberLines, expected);
    EXPECT_EQ(report.teamAName, u"チーム　Ａ");
    EXPECT_EQ(report.teamBName, u"チーム  Ｂ");
    EXPECT_EQ(report.teamAMatches, u" 総試合数＝ 3");
    EXPECT_EQ(report.teamARecord, u" 総勝敗数＝ 1:1(1)");
    EXPECT_EQ(report.teamAGames, u" 総ﾎﾟｲﾝﾄ ＝ 13:15");
    EXPECT_EQ(report.teamBMatches, u" 総試合数＝ 3");
    EXPECT_EQ(report.teamBRecord, u" 総勝敗数＝ 1:1(1)");
    EXPECT_EQ(report.teamBGames, u" 総ﾎﾟｲﾝﾄ ＝ 15:13");
    EXPECT_FALSE(report.teamBHidden);
}

TEST(StandingsReport, SexListsLeaveOutTheOtherSexAndRestingMembers) {
    MeetingBuilder b = twoTeamMeeting();
    const StandingsReport men = buildStandingsReport(b.state(), ReportKind::Men);
    EXPECT_EQ(men.title, u"☆ 男性成績 ☆");
    ASSERT_EQ(men.memberLines.size(), 6u);
    EXPECT_EQ(men.memberLines[1].substr(0, 3), u" 01");
    EXPECT_EQ(men.memberLines[4], u" 04      01     00:00 (01)  050%  050%   B4       ");
    EXPECT_EQ(men.memberLines[5].substr(0, 3), u" 05");
    EXPECT_EQ(men.memberLines[5].substr(41), u"A3       ");

    const StandingsReport women = buildStandingsReport(b.state(), ReportKind::Women);
    EXPECT_EQ(women.title, u"☆ 女性成績 ☆");
    const std::vector<std::u16string> expected{
        kHeading,
        u" 01      01     00:00 (01)  050%  050%   A4       ",
        u" 02      01     00:01 (00)  000%  040%   B2       ",
    };
    EXPECT_EQ(women.memberLines, expected);
}

TEST(StandingsReport, DrawsAreTakenOutOfWinsAndLosses) {
    MeetingBuilder b(6, 6);
    b.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(1, 3, 1, 3, 6, 1).twoTeam(1, 4, 1, 4, 6, 0);
    b.twoTeam(1, 5, 1, 5, 3, 6).twoTeam(1, 6, 1, 6, 4, 4);
    MainView view;
    buildPairingTable(b.state(), view, 1);
    EXPECT_EQ(b.state().resultTable[0][1][WinsLosses], 4002);
    const StandingsReport report = buildStandingsReport(b.state(), ReportKind::Overall);
    // A4, A3, B5 and A2 won their only match.
    EXPECT_EQ(report.memberLines[5], u" 05      05     03:01 (01)  067%  062%   A1       ");
}

TEST(StandingsReport, SinglesHidesTeamBAndHalvesTeamATotals) {
    MeetingBuilder b(3, 5, 2);
    b.singles(1, 2, 6, 3).singles(1, 3, 4, 6).singles(2, 3, 5, 5);
    MainView view;
    buildPairingTable(b.state(), view, 1);
    const StandingsReport report = buildStandingsReport(b.state(), ReportKind::Overall);
    EXPECT_TRUE(report.teamBHidden);
    EXPECT_EQ(report.teamAMatches, u" 総試合数＝ 3");
    EXPECT_EQ(report.teamARecord, u" 総勝敗数＝ 1:1(1)");
    EXPECT_EQ(report.teamAGames, u" 総ﾎﾟｲﾝﾄ ＝ 14:14") << "14.5 rounds to the even 14";
    EXPECT_EQ(report.teamBMatches, u"");
}

TEST(StandingsReport, MembersWithoutRankNeverAppear) {
    MeetingBuilder b(3, 3);
    b.twoTeam(1, 2, 1, 2, 0, 6);
    MainView view;
    buildPairingTable(b.state(), view, 1);
    const StandingsReport report = buildStandingsReport(b.state(), ReportKind::Overall);
    ASSERT_EQ(report.memberLines.size(), 3u) << "A1 and A2 lost every game";
    EXPECT_EQ(report.memberLines[1].substr(41), u"B1       ");
    EXPECT_EQ(report.memberLines[2].substr(41), u"B2       ");
}

TEST(StandingsReport, ReportNameCutsBeforeANulThatIsNotFirst) {
    EXPECT_EQ(reportName(u"山田    "), u"山田     ");
    EXPECT_EQ(reportName(std::u16string(u"X\0Y     ", 8)), u"X");
    EXPECT_EQ(reportName(std::u16string(u"\0AB     ", 8)), std::u16string(u"\0AB      ", 9));
}

TEST(StandingsReport, DamagedSizesStayInsideTheArrays) {
    MeetingBuilder b(25, -3);
    b.state().resultTable[0][21][OverallRank] = 1;
    const StandingsReport report = buildStandingsReport(b.state(), ReportKind::Overall);
    EXPECT_EQ(report.memberLines.size(), 1u);
}

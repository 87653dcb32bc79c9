#include "CliRun.h"
#include "MeetingBuilder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string rowOf(const std::vector<std::string>& cells) {
    std::string row;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        row += (k == 0 ? "" : "\t") + cells[k];
    }
    return row + "\n";
}

std::string linesOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

std::string blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

const std::string kCaption = "　　ラリーノートメイン" + blanks(26) + "テニスの試合" + blanks(34);
const std::string kTeamA = "☆ チーム　Ａ" + blanks(15) + " ☆";
const std::string kNameA = "チーム　Ａ" + blanks(15);
const std::string kNameB = "チーム  Ｂ" + blanks(14);

class Cli : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::vector<const MeetingState*>& meetings) {
        const std::filesystem::path file = dir.file(name);
        writeMeetingFile(file, meetings);
        return file.string();
    }

    TempDir dir;
};

} // namespace
TEST_F(Cli, TableOfATwoTeamMeeting) {
    MeetingBuilder b(3, 2);
    b.twoTeam(1, 2, 1, 2, 6, 4).forfeit(0, 1, 3);
    const std::string file = write("club.rly", {&b.state()});
    const CliRun run = runTool({"table", file});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string expected = rowOf({"", "A1      ", "A2      ", "A3      ", "", "[合計]"}) +
                                 rowOf({"A1      ", "＼＼", " 6:4", "  ×", "", "   1 "}) +
                                 rowOf({"A2      ", " 6:4", "＼＼", "  ●", "", "   1 "}) +
                                 rowOf({"A3      ", "", "", "＼＼", "", "   0 "}) +
                                 rowOf({"", "", "", "", "", " "}) +
                                 rowOf({"試合数", "   1 ", "   1 ", "   0 ", "", "  2 "}) +
                                 rowOf({"勝：敗", " 1:0 ", " 1:0 ", " 0:0 ", "", "2:0 "}) +
                                 rowOf({"ﾎﾟｲﾝﾄ", " 6:4 ", " 6:4 ", " 0:0 ", "", "12:8 "}) +
                                 rowOf({"勝率", " 100%", " 100%", " 00%", "", " 100%"}) +
                                 rowOf({"ﾎﾟｲﾝﾄ勝率", " 60%", " 60%", " 00%", "", " 60%"}) +
                                 rowOf({"男女順位", "   1 ", "   1 ", "   0 ", "", " "}) +
                                 rowOf({"総合順位", "   1", "   1", "   0", " ", " "}) +
                                 linesOf({"---", kCaption, "ﾌｧｲﾙ名称：" + file, kTeamA,
                                          "開催回数: 1", "２チーム制(ﾀﾞﾌﾞﾙｽ)", "組合せ表示"});
    EXPECT_EQ(run.out, expected);
}

TEST_F(Cli, TableOfOneTeamDoublesWithARestingMemberAndAForfeit) {
    MeetingBuilder b(4, 0, 1);
    b.oneTeam(0, 1, 2, 3, 4, 6, 2).forfeit(0, 2, 3).resting(0, 4);
    const std::string file = write("one.rly", {&b.state()});
    const CliRun run = runTool({"table", file, "--team", "A"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string expected =
        rowOf({"選択", "A1      ", "A2      ", "A3      ", "A4      ", "", "[合計]"}) +
        rowOf({"A1      ", "＼＼", " 6:2", "  ●", "  休", "", "   1 "}) +
        rowOf({"A2      ", " 6:2", "＼＼", "  ×", "  休", "", "   1 "}) +
        rowOf({"A3      ", "", "", "＼＼", " 2:6", "", "   1 "}) +
        rowOf({"A4      ", "", "", " 2:6", "＼＼", "", "   1 "}) +
        rowOf({"", "", "", "", "", "", " "}) +
        rowOf({"試合数", "   1 ", "   1 ", "   1 ", "   1 ", "", "  4 "}) +
        rowOf({"勝：敗", " 1:0 ", " 1:0 ", " 0:1 ", " 0:1 ", "", "2:2 "}) +
        rowOf({"ﾎﾟｲﾝﾄ", " 6:2 ", " 6:2 ", " 2:6 ", " 2:6 ", "", "16:16 "}) +
        rowOf({"勝率", " 100%", " 100%", " 00%", " 00%", "", " 50%"}) +
        rowOf({"ﾎﾟｲﾝﾄ勝率", " 75%", " 75%", " 25%", " 25%", "", " 50%"}) +
        rowOf({"男女順位", "   1 ", "   1 ", "   3 ", "   0 ", "", " "}) +
        rowOf({"総合順位", "   1", "   1", "   3", "   3", " ", " "}) +
        linesOf({"---", kCaption, "ﾌｧｲﾙ名称：" + file, kTeamA, "開催回数: 1", "１チーム制(ﾀﾞﾌﾞﾙｽ)",
                 "組合せ表示"});
    EXPECT_EQ(run.out, expected);
}

TEST_F(Cli, TableOfSinglesShowsEachDirection) {
    MeetingBuilder b(3, 0, 2);
    b.singles(1, 2, 6, 3).singles(3, 1, 4, 4);
    const std::string file = write("singles.rly", {&b.state()});
    const CliRun run = runTool({"table", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = linesIn(run.out);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[1], "A1      \t＼＼\t 3:6\t 4:4\t\t   2 ");
    EXPECT_EQ(rows[2], "A2      \t 6:3\t＼＼\t  ●\t\t   1 ");
    EXPECT_EQ(rows[6], "勝：敗\t 2:1 \t 0:1 \t 1:1 \t\t3:3 ");
    EXPECT_EQ(rows[17], "１チーム制(ｼﾝｸﾞﾙｽ)");
}

TEST_F(Cli, TableOfAnEarlierMeetingAndOfTeamB) {
    MeetingBuilder first(3, 3);
    first.twoTeam(1, 2, 1, 2, 6, 4);
    MeetingBuilder second(3, 3);
    second.twoTeam(2, 3, 2, 3, 1, 6);
    const std::string file = write("two.rly", {&first.state(), &second.state()});

    const CliRun earlier = runTool({"table", file, "--meeting", "1", "--team=B"});
    ASSERT_EQ(earlier.status, 0) << earlier.err;
    EXPECT_NE(earlier.out.find(rowOf({"B1      ", "＼＼", " 4:6", "", "", "   1 "})),
              std::string::npos);
    EXPECT_NE(earlier.out.find("\n開催回数: 1\n２チーム制(ﾀﾞﾌﾞﾙｽ)\n前回表示中\n"),
              std::string::npos);
    EXPECT_NE(earlier.out.find("\n☆ チーム  Ｂ"), std::string::npos);

    const CliRun current = runTool({"table", file, "--meeting", "2"});
    EXPECT_EQ(current.out, runTool({"table", file}).out);
    EXPECT_NE(current.out.find("\n開催回数: 2\n"), std::string::npos);

    for (const char* bad : {"0", "3", "-1", "x"}) {
        const CliRun run = runTool({"table", file, "--meeting", bad});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_EQ(run.out, "") << bad;
        EXPECT_NE(run.err, "") << bad;
    }
}

TEST_F(Cli, TotalsAreRefusedWhereTheButtonBeeps) {
    MeetingBuilder first(3, 3);
    first.twoTeam(1, 2, 1, 2, 6, 4);
    computeStandings(first.state());
    MeetingBuilder second(3, 3);
    second.twoTeam(1, 3, 1, 3, 6, 1);
    const std::string one = write("one.rly", {&second.state()});
    const std::string two = write("two.rly", {&first.state(), &second.state()});

    const CliRun single = runTool({"table", one, "--totals"});
    EXPECT_EQ(single.status, 1);
    EXPECT_EQ(single.out, "");
    const CliRun earlier = runTool({"table", two, "--meeting", "1", "--totals"});
    EXPECT_EQ(earlier.status, 1);
    EXPECT_EQ(earlier.out, "");

    const CliRun totals = runTool({"table", two, "--totals"});
    ASSERT_EQ(totals.status, 0) << totals.err;
    EXPECT_NE(totals.out.find(rowOf({"試合数", "   2 ", "   1 ", "   1 ", "", "  4 "})),
              std::string::npos);
    EXPECT_NE(totals.out.find("\n合計表示中\n"), std::string::npos);
}

TEST_F(Cli, ReportOverAllMeetings) {
    MeetingBuilder played(4, 4);
    played.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(3, 4, 3, 4, 5, 5).twoTeam(1, 3, 1, 3, 2, 6);
    played.woman(0, 4).woman(1, 2).resting(0, 1);
    computeStandings(played.state());
    MeetingBuilder current(4, 4);
    current.woman(0, 4).woman(1, 2).resting(0, 1);
    const std::string file = write("club.rly", {&played.state(), &current.state()});

    const CliRun overall = runTool({"report", file});
    ASSERT_EQ(overall.status, 0) << overall.err;
    EXPECT_EQ(overall.out,
              linesOf({"☆ 総合成績 ☆", "順位 試合数   勝:敗 (引分) 勝率  ﾎﾟ勝率  略称",
                       " 01      01     01:00 (00)  100%  060%   A2       ",
                       " 02      02     01:00 (01)  067%  061%   B3       ",
                       " 03      02     01:01 (00)  050%  056%   B1       ",
                       " 04      01     00:00 (01)  050%  050%   A4       ",
                       " 04      01     00:00 (01)  050%  050%   B4       ",
                       " 06      02     01:01 (00)  050%  044%   A1       ",
                       " 07      02     00:01 (01)  033%  039%   A3       ",
                       " 08      01     00:01 (00)  000%  040%   B2       ", "---", kNameA,
                       " 総試合数＝ 3", " 総勝敗数＝ 1:1(1)", " 総ﾎﾟｲﾝﾄ ＝ 13:15", kNameB,
                       " 総試合数＝ 3", " 総勝敗数＝ 1:1(1)", " 総ﾎﾟｲﾝﾄ ＝ 15:13"}));

    const CliRun women = runTool({"report", file, "--kind", "women"});
    ASSERT_EQ(women.status, 0) << women.err;
    EXPECT_EQ(women.out.substr(0, women.out.find("---")),
              linesOf({"☆ 女性成績 ☆", "順位 試合数   勝:敗 (引分) 勝率  ﾎﾟ勝率  略称",
                       " 01      01     00:00 (01)  050%  050%   A4       ",
                       " 02      01     00:01 (00)  000%  040%   B2       "}));
}

TEST_F(Cli, ReportOfSinglesWithManyTiesHidesTeamB) {
    MeetingBuilder b(6, 4, 2);
    b.singles(1, 2, 6, 4).singles(3, 4, 6, 4).singles(5, 6, 6, 4);
    b.singles(2, 3, 6, 4).singles(4, 5, 6, 4).singles(6, 1, 6, 4);
    const std::string file = write("ties.rly", {&b.state()});
    const CliRun run = runTool({"report", file, "--kind=men"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> expected{"☆ 男性成績 ☆",
                                      "順位 試合数   勝:敗 (引分) 勝率  ﾎﾟ勝率  略称"};
    for (int m = 1; m <= 6; ++m) {
        expected.push_back(" 01      02     01:01 (00)  050%  050%   A" + std::to_string(m) +
                           "       ");
    }
    expected.insert(expected.end(),
                    {"---", kNameA, " 総試合数＝ 6", " 総勝敗数＝ 3:3(0)", " 総ﾎﾟｲﾝﾄ ＝ 30:30"});
    EXPECT_EQ(run.out, linesOf(expected));
}

TEST_F(Cli, ExportAsCsvAndJson) {
    MeetingBuilder b(2, 2);
    b.name(0, 1, u"山田,太").name(1, 2, u"\"Q\"");
    b.twoTeam(1, 2, 1, 2, 6, 4).woman(1, 1);
    const std::string file = write("club.rly", {&b.state()});
    // Both teams are below 3, so each is shown with three participants.
    const CliRun csv = runTool({"export", file});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out,
              "team,name,matches,wins,losses,draws,games_won,games_lost,win_rate,point_win_rate,"
              "overall_rank,sex_rank\r\n"
              "A,\"山田,太\",1,1,0,0,6,4,100,60,1,1\r\n"
              "A,A2,1,1,0,0,6,4,100,60,1,1\r\n"
              "A,A3,0,0,0,0,0,0,0,0,0,0\r\n"
              "B,B1,1,0,1,0,4,6,0,40,3,1\r\n"
              "B,\"\"\"Q\"\"\",1,0,1,0,4,6,0,40,3,3\r\n"
              "B,B3,0,0,0,0,0,0,0,0,0,0\r\n");

    const CliRun json = runTool({"export", file, "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\n  \"meetings\": 1,\n  \"participants\": [\n    {\"team\": \"A\", "
                             "\"name\": \"山田,太\", \"matches\": 1, ",
                             0),
              0u);
    EXPECT_NE(json.out.find("{\"team\": \"B\", \"name\": \"\\\"Q\\\"\", \"matches\": 1, \"wins\": "
                            "0, \"losses\": 1, \"draws\": 0, \"games_won\": 4, \"games_lost\": "
                            "6, \"win_rate\": 0, \"point_win_rate\": 40, \"overall_rank\": 3, "
                            "\"sex_rank\": 3}"),
              std::string::npos);
    EXPECT_TRUE(json.out.ends_with("\"sex_rank\": 0}\n  ]\n}\n"));
}

TEST_F(Cli, ExportListsTeamBAfterTheMethodChangedToSingles) {
    MeetingBuilder first(3, 3);
    first.twoTeam(1, 2, 1, 2, 6, 4);
    computeStandings(first.state());
    MeetingBuilder second(3, 3, 2);
    second.singles(1, 2, 6, 3);
    computeStandings(second.state());
    const std::string file = write("club.rly", {&first.state(), &second.state()});
    const CliRun csv = runTool({"export", file});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find("\r\nB,B1,1,0,1,0,4,6,"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find("\r\nB,B2,1,0,1,0,4,6,"), std::string::npos) << csv.out;
    EXPECT_EQ(csv.out.find("\r\nB,B3,"), std::string::npos) << "B3 never played";
}

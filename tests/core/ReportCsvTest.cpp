#include "results/ReportCsv.h"
#include "MeetingBuilder.h"
#include "StorageFixture.h"
#include "app/MeetingFileCommands.h"
#include "app/MeetingViewCommands.h"
#include "app/ReportCommands.h"
#include "results/ReportTable.h"
#include "results/StandingsReport.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Splits CSV text into rows of fields, undoing RFC 4180 quoting; checks on
// the way that every line ends in CR LF.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c == '"' && k + 1 < text.size() && text[k + 1] == '"') {
                field += '"';
                ++k;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r') {
            EXPECT_EQ(text.at(k + 1), '\n') << "a bare CR at " << k;
            ++k;
            rows.emplace_back(1);
        } else {
            EXPECT_NE(c, '\n') << "a bare LF at " << k;
            field += c;
        }
    }
    EXPECT_FALSE(quoted);
    EXPECT_EQ(rows.back(), std::vector<std::string>(1)) << "the last line ends in CR LF";
    rows.pop_back();
    return rows;
}

// The figures of a report line, in the order of the table's member cells.
std::vector<std::string> lineFigures(const std::u16string& line) {
    std::string text = toUtf8(line.substr(0, 41));
    for (char& c : text) {
        if (c == ':' || c == '(' || c == ')' || c == '%') {
            c = ' ';
        }
    }
    std::istringstream in(text);
    std::vector<std::string> figures;
    for (long long n = 0; in >> n;) {
        figures.push_back(std::to_string(n));
    }
    return figures;
}

// Two teams of five over two meetings; A5 shares a comma and a quote in his
// name, B2 and A4 are women, B5 rests.
class ReportCsv : public StorageFixture {
protected:
    void SetUp() override {
        MeetingBuilder first(5, 5);
        first.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(3, 4, 3, 4, 5, 5).twoTeam(1, 5, 4, 5, 2, 6);
        MeetingBuilder second(5, 5);
        second.twoTeam(1, 3, 1, 3, 6, 3).twoTeam(2, 5, 2, 4, 4, 6);
        for (MeetingBuilder* b : {&first, &second}) {
            b->name(0, 1, u"山田").name(0, 5, u"Li, \"J\"").name(1, 1, u"佐藤");
            b->woman(0, 4).woman(1, 2).resting(1, 5);
            b->state().teamNameA = u"東クラブ";
            b->state().teamNameB = u"西クラブ";
            computeStandings(b->state());
        }
        writeMeetingFile(dir.file("club.rly"), {&first.state(), &second.state()});
        ASSERT_TRUE(openMeetingFile(program, u"club.rly"));
        buildPairingTable(program);
        ASSERT_TRUE(prepareStandingsReport(program));
    }
};

} // namespace

TEST_F(ReportCsv, TableCarriesTheFiguresOfEveryReportLine) {
    for (const ReportKind kind : {ReportKind::Overall, ReportKind::Men, ReportKind::Women}) {
        const StandingsReport report = buildStandingsReport(state, kind);
        const ReportTable table = reportTable(state, kind);
        EXPECT_EQ(table.title, report.title);
        ASSERT_EQ(table.members.size() + 1, report.memberLines.size());
        for (std::size_t k = 0; k < table.members.size(); ++k) {
            const ReportTable::Row& row = table.members[k];
            std::vector<std::string> cells;
            for (std::size_t c = 0; c + 1 < row.size(); ++c) {
                cells.push_back(toUtf8(row[c]));
            }
            EXPECT_EQ(cells, lineFigures(report.memberLines[k + 1]))
                << toUtf8(report.memberLines[k + 1]);
            EXPECT_EQ(plainName(report.memberLines[k + 1].substr(41)), row.back());
        }
    }
}

TEST_F(ReportCsv, FileIsUtf8WithBomAndEqualLines) {
    const std::string csv = reportCsv(reportTable(state, ReportKind::Overall));
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const auto rows = parseCsv(csv.substr(3));
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 8u);
    }
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(rows[0][0], "☆ 総合成績 ☆");
    EXPECT_EQ(rows[1][0], "ﾌｧｲﾙ: club.rly　開催回数: 2回");
    EXPECT_EQ(rows[2], (std::vector<std::string>{"順位", "試合数", "勝", "敗", "引分", "勝率(%)",
                                                 "ﾎﾟ勝率(%)", "略称"}));
    const std::size_t members =
        buildStandingsReport(state, ReportKind::Overall).memberLines.size() - 1;
    ASSERT_EQ(rows.size(), 3 + members + 4);
    EXPECT_EQ(rows[3 + members], std::vector<std::string>(8));
    EXPECT_EQ(rows[4 + members], (std::vector<std::string>{"チーム", "総試合数", "勝", "敗", "引分",
                                                           "得ﾎﾟｲﾝﾄ", "失ﾎﾟｲﾝﾄ", ""}));
    // Team A: five matches, two wins, two losses, one draw, games 23:24.
    EXPECT_EQ(rows[5 + members],
              (std::vector<std::string>{"東クラブ", "5", "2", "2", "1", "23", "24", ""}));
    EXPECT_EQ(rows[6 + members],
              (std::vector<std::string>{"西クラブ", "5", "2", "2", "1", "24", "23", ""}));

    bool quotedName = false;
    for (std::size_t k = 3; k < 3 + members; ++k) {
        quotedName = quotedName || rows[k][7] == "Li, \"J\"";
    }
    EXPECT_TRUE(quotedName) << "the name with a comma and quotes survives the round trip";
}

TEST_F(ReportCsv, TotalsMatchTheReportBoxes) {
    const StandingsReport report = buildStandingsReport(state, ReportKind::Overall);
    const ReportTable table = reportTable(state, ReportKind::Overall);
    ASSERT_EQ(table.teams.size(), 2u);
    const auto& a = table.teams[0];
    EXPECT_EQ(report.teamAMatches, u" 総試合数＝ " + a[1]);
    EXPECT_EQ(report.teamARecord, u" 総勝敗数＝ " + a[2] + u":" + a[3] + u"(" + a[4] + u")");
    EXPECT_EQ(report.teamAGames, u" 総ﾎﾟｲﾝﾄ ＝ " + a[5] + u":" + a[6]);
    const auto& b = table.teams[1];
    EXPECT_EQ(report.teamBRecord, u" 総勝敗数＝ " + b[2] + u":" + b[3] + u"(" + b[4] + u")");
}

TEST_F(ReportCsv, SinglesTableHidesTeamBAndRoundsHalvesLikeTheBoxes) {
    // Singles inside team A: every match is counted once per player, both in
    // team A, so a single match leaves a half after the halving.
    MeetingBuilder b(3, 0, 2);
    b.singles(1, 2, 6, 3).singles(1, 3, 6, 4).singles(2, 3, 4, 4);
    computeStandings(b.state());
    const StandingsReport report = buildStandingsReport(b.state(), ReportKind::Overall);
    const ReportTable table = reportTable(b.state(), ReportKind::Overall);
    ASSERT_EQ(table.teams.size(), 1u);
    EXPECT_EQ(report.teamAMatches, u" 総試合数＝ " + table.teams[0][1]);
    EXPECT_EQ(report.teamAGames, u" 総ﾎﾟｲﾝﾄ ＝ " + table.teams[0][5] + u":" + table.teams[0][6]);
    const auto rows = parseCsv(reportCsv(table).substr(3));
    EXPECT_EQ(rows.back()[0], toUtf8(plainName(b.state().teamNameA)));
}

TEST_F(ReportCsv, TableNamesDropNulAndPaddingButKeepInnerBlanks) {
    MeetingBuilder b(3, 3);
    b.name(0, 1, std::u16string(u"\0山", 2)).name(0, 2, u"a b").twoTeam(1, 2, 1, 2, 6, 0);
    computeStandings(b.state());
    const ReportTable table = reportTable(b.state(), ReportKind::Overall);
    ASSERT_GE(table.members.size(), 2u);
    EXPECT_EQ(table.members[0].back(), u"山");
    EXPECT_EQ(table.members[1].back(), u"a b");
}

TEST_F(ReportCsv, NameTakesTheDataFileNameAndTheKind) {
    EXPECT_EQ(reportCsvName(u"club.rly", ReportKind::Overall), u"club_総合成績.csv");
    EXPECT_EQ(reportCsvName(u"/home/kai/試合 2026.rly", ReportKind::Men),
              u"試合 2026_男性成績.csv");
    EXPECT_EQ(reportCsvName(u"取りあえず.rlw", ReportKind::Women), u"取りあえず_女性成績.csv");
    EXPECT_EQ(reportCsvName(u"a.b/plain", ReportKind::Overall), u"plain_総合成績.csv");
    EXPECT_EQ(reportCsvName(u".rly", ReportKind::Overall), u".rly_総合成績.csv");
}

TEST_F(ReportCsv, SavesTheShownKindWhereTheDialogSays) {
    platform.setNextFileName(u"women.csv");
    ASSERT_TRUE(saveReportCsv(program, ReportKind::Women));
    EXPECT_EQ(platform.suggestedNames(), std::vector<std::u16string>{u"club_女性成績.csv"});
    const std::vector<std::uint8_t> bytes = readBytes(dir.file("women.csv"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              reportCsv(reportTable(state, ReportKind::Women)));
    EXPECT_TRUE(platform.events().empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2)
        << "nothing is left beside the file";
}

TEST_F(ReportCsv, CancelWritesNothing) {
    EXPECT_FALSE(saveReportCsv(program, ReportKind::Overall));
    EXPECT_TRUE(platform.events().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("club_総合成績.csv")));
}

TEST_F(ReportCsv, AFailedWriteSaysSoAndLeavesNothingBehind) {
    // A folder where the file should go cannot be replaced, and a missing
    // folder cannot take a file: both fail for every user.
    const std::filesystem::path folder = dir.file("taken.csv");
    std::filesystem::create_directory(folder);
    writeBytes(folder / "inside.txt", {'k'});
    for (const std::filesystem::path& target : {folder, dir.path() / "missing" / "x.csv"}) {
        platform.clear();
        platform.setNextFileName(fromUtf8(target.string()));
        EXPECT_FALSE(saveReportCsv(program, ReportKind::Overall)) << target;
        EXPECT_EQ(platform.messages(),
                  std::vector<std::u16string>{u"CSV ﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。"});
        EXPECT_EQ(platform.events()[0].title, u"ラリーノート");
    }
    EXPECT_EQ(readBytes(folder / "inside.txt"), std::vector<std::uint8_t>{'k'});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2)
        << "only the data file and the folder";
}

TEST_F(ReportCsv, AFullDiskLeavesNoHalfFile) {
    const std::filesystem::path target = dir.file("full.csv");
    writeBytes(target, {'o', 'l', 'd'});
    platform.setNextFileName(fromUtf8(target.string()));
    const int code = runWithFileSizeLimit(
        64, [&] { return saveReportCsv(program, ReportKind::Overall) ? 1 : 0; });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(target), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);
}

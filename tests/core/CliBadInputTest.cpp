#include "CliRun.h"
#include "DataFileFixture.h"
#include "MeetingBuilder.h"
#include "TempDir.h"
#include "storage/MeetingRecord.h"
#include "storage/RecordJournal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <map>

namespace {

// Every file in the folder with its bytes and time of change.
std::map<std::filesystem::path,
         std::pair<std::vector<std::uint8_t>, std::filesystem::file_time_type>>
snapshot(const std::filesystem::path& folder) {
    std::map<std::filesystem::path,
             std::pair<std::vector<std::uint8_t>, std::filesystem::file_time_type>>
        files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[entry.path()] = {readBytes(entry.path()), entry.last_write_time()};
        }
    }
    return files;
}

struct BadFile {
    const char* name;
    int records;
    std::int16_t count;
    std::function<void(int, MeetingRecord&)> fill;
    int status;
};

void setTeamSize(MeetingRecord& record, std::int16_t size) {
    record.setInt16At(MeetingRecord::kTeamSizeOffset, size);
}

void setResult(MeetingRecord& record, int team, int slot, int column, std::int32_t value) {
    record.setInt32At(
        MeetingRecord::kResultOffset + 4 * MeetingRecord::resultIndex(team, slot, column), value);
}

void setPairCode(MeetingRecord& record, int team, int a, int b, std::int16_t code) {
    record.setInt16At(MeetingRecord::kPairOffset + 2 * MeetingRecord::pairIndex(team, a, b), code);
}

class CliBadInputFile : public ::testing::TestWithParam<BadFile> {};

class CliBadInput : public ::testing::Test {
protected:
    TempDir dir;
};

} // namespace

TEST_F(CliBadInput, UsageErrorsPrintNothingOnTheOutput) {
    MeetingBuilder b(3, 3);
    const std::string file = dir.file("club.rly").string();
    writeMeetingFile(file, {&b.state()});
    const std::vector<std::vector<std::string>> cases{
        {},
        {"show", file},
        {"table"},
        {"table", file, file},
        {"table", file, "--team", "C"},
        {"table", file, "--team"},
        {"table", file, "--kind", "men"},
        {"report", file, "--totals"},
        {"report", file, "--kind", "children"},
        {"export", file, "--format", "xml"},
    };
    for (const auto& args : cases) {
        const CliRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: rallynote-cli"), std::string::npos);
    }
    const CliRun help = runTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: rallynote-cli"), std::string::npos);
}

TEST_F(CliBadInput, NeverWritesAnything) {
    MeetingBuilder first(3, 3);
    first.twoTeam(1, 2, 1, 2, 6, 4);
    computeStandings(first.state());
    MeetingBuilder second(3, 3);
    const std::string file = dir.file("club.rly").string();
    writeMeetingFile(file, {&first.state(), &second.state()});
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    const auto before = snapshot(dir.path());
    const std::string missing = dir.file("missing.rly").string();
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"table", file, "--totals"},
                                               {"table", file, "--meeting", "1"},
                                               {"report", file, "--kind", "women"},
                                               {"export", file, "--format", "json"},
                                               {"table", missing}}) {
        runTool(args);
    }
    EXPECT_EQ(snapshot(dir.path()), before);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(CliBadInput, ReadsASaveACrashInterruptedWithoutFinishingIt) {
    MeetingBuilder meeting(3, 3);
    const std::string file = dir.file("club.rly").string();
    writeMeetingFile(file, {&meeting.state()});
    const CliRun unplayed = runTool({"table", file});

    // The save of a 6-4 result reached the journal but not the file.
    meeting.twoTeam(1, 2, 1, 2, 6, 4);
    writeMeetingFile(dir.file("played.rly"), {&meeting.state()});
    journal::Contents save;
    save.sizeBefore = save.sizeAfter = MeetingRecord::kSize;
    save.records[1] = readBytes(dir.file("played.rly"));
    std::filesystem::remove(dir.file("played.rly"));
    writeBytes(journal::pathOf(file), journal::encode(MeetingRecord::kSize, save));

    const auto before = snapshot(dir.path());
    const CliRun run = runTool({"table", file});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out, unplayed.out);
    EXPECT_NE(run.out.find(" 6:4"), std::string::npos) << run.out;
    EXPECT_EQ(snapshot(dir.path()), before) << "neither the file nor its journal is written";
}

TEST_P(CliBadInputFile, NeverCrashesAndNeverPrintsHalfAnAnswer) {
    const BadFile& bad = GetParam();
    TempDir dir;
    const std::filesystem::path file = dir.file("bad.rly");
    writeDataFile(file, bad.records, bad.count, bad.fill);
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"table", file.string()},
                                               {"table", file.string(), "--team", "B", "--totals"},
                                               {"report", file.string()},
                                               {"export", file.string(), "--format", "json"}}) {
        const CliRun run = runTool(args);
        if (bad.status == 2) {
            EXPECT_EQ(run.status, 2) << args[0];
        } else {
            EXPECT_TRUE(run.status == 0 || (args.size() > 3 && run.status == 1)) << args[0];
        }
        if (run.status != 0) {
            EXPECT_EQ(run.out, "") << args[0];
            EXPECT_NE(run.err, "") << args[0];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliBadInputFile,
    ::testing::Values(
        // Odd values in a later record are read soundly; in record 1 they
        // mark a file that is not a meeting file.
        BadFile{"TeamSize25", 2, 2,
                [](int n, MeetingRecord& r) { setTeamSize(r, n == 2 ? 25 : 4); }, 0},
        BadFile{"TeamSizeMinus3", 2, 2,
                [](int n, MeetingRecord& r) { setTeamSize(r, n == 2 ? -3 : 4); }, 0},
        BadFile{"ForeignTeamSize", 1, 1, [](int, MeetingRecord& r) { setTeamSize(r, 25); }, 2},
        // A file whose tail was lost opens at its last whole record.
        BadFile{"Count30000", 3, 30000, {}, 0}, BadFile{"CountMinus5", 3, -5, {}, 2},
        BadFile{"ScoreMinus7", 2, 2,
                [](int n, MeetingRecord& r) {
                    if (n == 1) {
                        return;
                    }
                    setResult(r, 0, 1, 2, -7);
                    setResult(r, 0, 1, 3, 5000000);
                    setPairCode(r, 0, 1, 2, 5);
                    setPairCode(r, 0, 1, 3, 5);
                },
                0},
        BadFile{"PairCode42", 2, 2,
                [](int n, MeetingRecord& r) { setPairCode(r, 0, 1, 2, n == 2 ? 42 : 0); }, 0},
        BadFile{"EarlierTotalsAtTheLimit", 3, 3,
                [](int n, MeetingRecord& r) {
                    for (int column = 21; column <= 28; ++column) {
                        setResult(r, 0, 1, column, n < 3 ? INT_MAX : 0);
                        setResult(r, 1, 21, column, n < 3 ? INT_MIN : 0);
                    }
                },
                0},
        BadFile{"Empty", 0, 0, {}, 2}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST_F(CliBadInput, AMeetingCountTheRecordsDoNotHoldIsExplained) {
    writeDataFile(dir.file("long.rly"), 3, 30000);
    const CliRun cutShort = runTool({"report", dir.file("long.rly").string()});
    EXPECT_EQ(cutShort.status, 0) << "a file cut short opens at its last whole record";
    EXPECT_NE(cutShort.err.find("読み込めた3回分の試合を開きます。"), std::string::npos)
        << cutShort.err;

    writeDataFile(dir.file("one.rly"), 1, 30000);
    const CliRun refused = runTool({"table", dir.file("one.rly").string(), "--totals"});
    EXPECT_EQ(refused.status, 1) << "the open's warning does not turn a refusal into a failure";
    EXPECT_EQ(refused.out, "");

    writeDataFile(dir.file("negative.rly"), 3, -5);
    const CliRun negative = runTool({"report", dir.file("negative.rly").string()});
    EXPECT_EQ(negative.status, 2);
    EXPECT_NE(negative.err.find("it is not a meeting data file"), std::string::npos)
        << negative.err;

    std::vector<std::uint8_t> picture(2 * MeetingRecord::kSize + 300, 0xa5);
    writeBytes(dir.file("picture.rly"), picture);
    const CliRun foreign = runTool({"report", dir.file("picture.rly").string()});
    EXPECT_EQ(foreign.status, 2);
    EXPECT_EQ(foreign.out, "");
    EXPECT_NE(foreign.err.find("ﾃﾞｰﾀﾌｧｲﾙではありません。"), std::string::npos) << foreign.err;
}

TEST_F(CliBadInput, UnreadableFilesExitWithAMessage) {
    writeBytes(dir.file("short.rly"), {1, 0, 0, 0, 0});
    std::filesystem::create_directory(dir.file("folder.rly"));
    for (const char* name : {"short.rly", "folder.rly", "missing.rly"}) {
        const CliRun run = runTool({"table", dir.file(name).string()});
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_NE(run.err, "") << name;
    }
}

TEST_F(CliBadInput, DamagedValuesGiveASoundReading) {
    const std::filesystem::path file = dir.file("bad.rly");
    writeDataFile(file, 2, 2, [](int n, MeetingRecord& r) {
        if (n == 1) {
            return;
        }
        setTeamSize(r, 25);
        setPairCode(r, 0, 1, 2, 42);
        setPairCode(r, 0, 2, 1, 42);
        setResult(r, 0, 1, 3, 5000000);
        setPairCode(r, 0, 1, 3, 5);
        setPairCode(r, 0, 3, 1, 5);
    });
    const CliRun run = runTool({"table", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = linesIn(run.out);
    ASSERT_EQ(rows.size(), 29u + 7u) << "twenty members at most";
    EXPECT_EQ(cellsOf(rows[1])[0], "Ａ01     ");
    EXPECT_EQ(cellsOf(rows[1])[2], "  ×") << "an unknown pair code reads as unavailable";
    EXPECT_EQ(cellsOf(rows[3])[1], "") << "an impossible score reads as no result";
}

TEST_F(CliBadInput, CellsKeepANulWhileReportNamesAreCutBeforeIt) {
    const std::filesystem::path file = dir.file("nul.rly");
    writeDataFile(file, 1, 1, [](int, MeetingRecord& r) {
        const std::size_t name =
            MeetingRecord::kAbbrevOffset +
            MeetingRecord::kAbbrevBytes * MeetingRecord::participantIndex(0, 1);
        std::fill_n(&r.bytes[name], MeetingRecord::kAbbrevBytes, ' ');
        r.bytes[name] = 'X';
        r.bytes[name + 1] = 0;
        r.bytes[name + 2] = 'Y';
        setResult(r, 0, 1, 2, 6004);
        setResult(r, 0, 2, 1, 6004);
        setPairCode(r, 0, 1, 2, 5);
        setPairCode(r, 0, 2, 1, 5);
    });
    const CliRun table = runTool({"table", file.string()});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(cellsOf(linesIn(table.out)[0])[1], std::string("X\0Y     ", 8));
    const CliRun report = runTool({"report", file.string()});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(linesIn(report.out)[2], " 01      01     01:00 (00)  100%  060%   X");
}

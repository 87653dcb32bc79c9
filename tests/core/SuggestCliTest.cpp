#include "CliRun.h"
#include "MeetingBuilder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

class SuggestCli : public ::testing::Test {
protected:
    // Three meetings: A1 partnered A3 two meetings ago and A2 last time;
    // B1 and B2 partnered both times. The third is the current one.
    std::string season() {
        MeetingBuilder first(3, 2);
        first.twoTeam(1, 3, 1, 2, 6, 1);
        MeetingBuilder second(3, 2);
        second.twoTeam(1, 2, 1, 2, 6, 2);
        MeetingBuilder today(3, 2);
        const auto file = dir.file("club.rly");
        writeMeetingFile(file, {&first.state(), &second.state(), &today.state()});
        return file.string();
    }

    std::vector<std::string> simulate(std::vector<std::string> extra) {
        std::vector<std::string> args = {"simulate",
                                         "--method",
                                         "1",
                                         "--players",
                                         "8",
                                         "--courts",
                                         "2",
                                         "--meetings",
                                         "3",
                                         "--rounds",
                                         "2",
                                         "--seed",
                                         "5",
                                         "--policy",
                                         "suggest",
                                         "--out",
                                         dir.file("sim.rly").string()};
        for (std::size_t i = 0; i + 1 < extra.size(); i += 2) {
            const auto found = std::find(args.begin(), args.end(), extra[i]);
            if (found == args.end()) {
                args.push_back(extra[i]);
                args.push_back(extra[i + 1]);
            } else {
                *(found + 1) = extra[i + 1];
            }
        }
        return args;
    }

    TempDir dir;
};

} // namespace

TEST_F(SuggestCli, TextListsTheBestMatchesWithReasons) {
    const CliRun run = runTool({"suggest", season(), "--count", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\tA2・A3\tB1・B2\tA2・A3：本日0試合・今季初ペア／B1・B2：本日0試合・"
                       "今季3回目のペア\n"
                       "2\tA1・A3\tB1・B2\tA1・A3：本日0試合・今季2回目のペア／B1・B2：本日0試合・"
                       "今季3回目のペア\n");
}

TEST_F(SuggestCli, JsonNamesTheCellsToPick) {
    const CliRun run = runTool({"suggest", season(), "--count", "1", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"meeting\": 3, \"suggestions\": [\n"
              "  {\"rank\": 1, \"cells\": [{\"team\": \"A\", \"column\": 3, \"row\": 2}, "
              "{\"team\": \"B\", \"column\": 2, \"row\": 1}], \"sides\": [[\"A2\", "
              "\"A3\"], [\"B1\", \"B2\"]], \"reasons\": [\"A2・A3：本日0試合・今季初ペア\", "
              "\"B1・B2：本日0試合・今季3回目のペア\"]}\n]}\n");
}

TEST_F(SuggestCli, RefusesWhatItCannotDo) {
    const std::string file = season();
    for (const std::vector<std::string>& args : {std::vector<std::string>{"suggest"},
                                                 {"suggest", file, "--count", "0"},
                                                 {"suggest", file, "--count", "x"},
                                                 {"suggest", file, "--format", "csv"},
                                                 {"suggest", dir.file("missing.rly").string()},
                                                 {"table", file, "--count", "2"}}) {
        const CliRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

TEST_F(SuggestCli, SimulationWritesAFileTheOtherCommandsOpen) {
    const CliRun run = runTool(simulate({}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = linesIn(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_EQ(lines[0].rfind("meeting 1: matches 4, played spread ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[3].rfind("season: played spread mean ", 0), 0u) << lines[3];
    EXPECT_NE(lines[3].find("partner spread"), std::string::npos);

    const CliRun table = runTool({"table", dir.file("sim.rly").string()});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("開催回数: 3"), std::string::npos);

    std::filesystem::remove(dir.file("sim.rly"));
    EXPECT_EQ(runTool(simulate({})).out, run.out);
}

TEST_F(SuggestCli, SimulationRefusesImpossibleArguments) {
    for (const std::vector<std::string>& change : {std::vector<std::string>{"--courts", "0"},
                                                   {"--courts", "11"},
                                                   {"--players", "21"},
                                                   {"--players", "8,8"},
                                                   {"--method", "3"},
                                                   {"--meetings", "32768"},
                                                   {"--rounds", "0"},
                                                   {"--rest", "8"},
                                                   {"--policy", "random"},
                                                   {"--seed", "-1"},
                                                   {"--colour", "red"}}) {
        const CliRun run = runTool(simulate(change));
        EXPECT_EQ(run.status, 2) << change[0] << ' ' << change[1];
        EXPECT_NE(run.err.find("simulate: "), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("sim.rly")));
    }
    const CliRun first = runTool(simulate({}));
    ASSERT_EQ(first.status, 0) << first.err;
    const CliRun again = runTool(simulate({}));
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("does not exist yet"), std::string::npos);
}

#include "cli/SimulateCommand.h"

#include "cli/ClubNightSimulation.h"
#include "state/MeetingState.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 2;
// The meeting count of a data file is a 16-bit number.
constexpr long long kMostMeetings = 32767;
constexpr long long kMostRounds = 100;

bool parseNumber(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool inRange(const std::string& text, long long low, long long high, int& value) {
    long long number = 0;
    if (!parseNumber(text, number) || number < low || number > high) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

// Checks every argument; nothing with `error` set when one does not fit.
std::optional<SimulationSettings> parseSimulation(const std::vector<std::string>& args,
                                                  std::string& error) {
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        if (const std::size_t equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = name + " needs a value";
            return std::nullopt;
        }
        static const std::set<std::string> known = {"--method",   "--players", "--courts",
                                                    "--meetings", "--rounds",  "--seed",
                                                    "--policy",   "--rest",    "--out"};
        if (!known.contains(name)) {
            error = "unknown option " + name;
            return std::nullopt;
        }
        values[name] = value;
    }
    for (const char* required : {"--method", "--players", "--courts", "--meetings", "--rounds",
                                 "--seed", "--policy", "--out"}) {
        if (!values.contains(required)) {
            error = std::string(required) + " is required";
            return std::nullopt;
        }
    }

    SimulationSettings settings;
    if (!inRange(values["--method"], 0, 2, settings.method)) {
        error = "--method takes 0 (two-team doubles), 1 (one-team doubles) or 2 (singles)";
        return std::nullopt;
    }
    const std::string players = values["--players"];
    const std::size_t comma = players.find(',');
    const bool twoTeams = settings.method == 0;
    if (!inRange(players.substr(0, comma), 1, kMaxTeamSize, settings.playersA) ||
        (comma != std::string::npos &&
         (!twoTeams || !inRange(players.substr(comma + 1), 1, kMaxTeamSize, settings.playersB)))) {
        error = twoTeams ? "--players takes N,M with 1 to 20 members in each team"
                         : "--players takes one number from 1 to 20 (a team holds 20)";
        return std::nullopt;
    }
    if (twoTeams && comma == std::string::npos) {
        settings.playersB = settings.playersA;
    }
    if (!inRange(values["--courts"], 1, kMaxRunning, settings.courts)) {
        error = "--courts takes 1 to 10";
        return std::nullopt;
    }
    if (!inRange(values["--meetings"], 1, kMostMeetings, settings.meetings)) {
        error = "--meetings takes 1 to 32767 (the most a data file holds)";
        return std::nullopt;
    }
    if (!inRange(values["--rounds"], 1, kMostRounds, settings.rounds)) {
        error = "--rounds takes 1 to 100";
        return std::nullopt;
    }
    long long seed = 0;
    if (!parseNumber(values["--seed"], seed) || seed < 0) {
        error = "--seed takes a whole number of 0 or more";
        return std::nullopt;
    }
    settings.seed = static_cast<std::uint64_t>(seed);
    const std::string policy = values["--policy"];
    if (policy != "marks" && policy != "suggest") {
        error = "--policy takes marks or suggest";
        return std::nullopt;
    }
    settings.policy = policy == "marks" ? PickPolicy::Marks : PickPolicy::Suggest;
    const int members = settings.playersA + (twoTeams ? settings.playersB : 0);
    if (values.contains("--rest") && !inRange(values["--rest"], 0, members - 1, settings.resting)) {
        error = "--rest takes 0 to one less than the members";
        return std::nullopt;
    }
    settings.out = values["--out"];
    std::error_code ignored;
    if (settings.out.empty() || std::filesystem::exists(settings.out, ignored)) {
        error = "--out must name a data file that does not exist yet";
        return std::nullopt;
    }
    return settings;
}

std::string fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

void printPartners(const PartnerFairness& p, std::ostream& out) {
    if (!p.counted) {
        return;
    }
    const int share = p.pairs > 0 ? (100 * p.never + p.pairs / 2) / p.pairs : 0;
    out << ", partner spread " << p.spread << " (largest " << p.largest << ", never partnered "
        << p.never << " of " << p.pairs << " pairs, " << share << "%)";
}

void printFairness(const SeasonFairness& f, std::ostream& out) {
    int worst = 0;
    int waitMinutes = 0;
    int waitMatches = 0;
    double spreadSum = 0;
    int meeting = 0;
    for (const MeetingFairness& m : f.meetings) {
        out << "meeting " << ++meeting << ": matches " << m.matchesPlayed << ", played spread "
            << m.playedSpread << ", longest wait " << m.longestWaitMinutes << " min / "
            << m.longestWaitMatches << " matches";
        printPartners(m.partnersSoFar, out);
        out << '\n';
        worst = std::max(worst, m.playedSpread);
        waitMinutes = std::max(waitMinutes, m.longestWaitMinutes);
        waitMatches = std::max(waitMatches, m.longestWaitMatches);
        spreadSum += m.playedSpread;
    }
    out << "season: played spread mean "
        << fixed(f.meetings.empty() ? 0.0 : spreadSum / static_cast<double>(f.meetings.size()))
        << " worst " << worst << ", longest wait " << waitMinutes << " min / " << waitMatches
        << " matches";
    if (!f.meetings.empty()) {
        printPartners(f.meetings.back().partnersSoFar, out);
    }
    out << '\n';
}

} // namespace

int runSimulate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<SimulationSettings> settings = parseSimulation(args, error);
    if (!settings) {
        err << "rallynote-cli: simulate: " << error << '\n';
        return kFailed;
    }
    SeasonFairness fairness;
    if (!simulateSeason(*settings, fairness, error)) {
        err << "rallynote-cli: simulate: " << error << '\n';
        return kFailed;
    }
    printFairness(fairness, out);
    return kDone;
}

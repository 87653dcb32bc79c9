#include "cli/CliOptions.h"

#include <charconv>
#include <map>

const char kCliUsage[] =
    "usage: rallynote-cli table FILE [--team A|B] [--meeting N] [--totals]\n"
    "       rallynote-cli report FILE [--kind overall|men|women]\n"
    "       rallynote-cli export FILE [--format csv|json]\n"
    "       rallynote-cli suggest FILE [--count N] [--format text|json]\n"
    "       rallynote-cli attendance [FILE] [--format csv|json]\n"
    "       rallynote-cli simulate --method 0|1|2 --players N[,M] --courts C\n"
    "                 --meetings K --rounds R --seed S --policy marks|suggest\n"
    "                 [--rest X] --out FILE\n"
    "\n"
    "Reads a rallynote data file and prints, without changing anything:\n"
    "  table   the pairing table and standings of one team, cells separated by TAB,\n"
    "          then '---' and the window's caption and labels\n"
    "  report  the standings report over all meetings and the team totals\n"
    "  export  every participant's standings over all meetings (wins and losses\n"
    "          without draws, draws apart)\n"
    "  suggest the next-match suggestions for the current meeting as stored\n"
    "  attendance the season attendance and fees from the club register of the\n"
    "          current folder: the meetings of FILE, or of every data file\n"
    "  simulate plays K meetings into a new data file FILE and prints how fair\n"
    "          they were (the only command that writes a file)\n"
    "Exit status: 0 done, 1 refused as the window program would refuse it,\n"
    "2 usage error or unreadable file.\n";

namespace {

bool parseNumber(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

// Applies one option; false with `error` set when it does not fit.
bool applyOption(CliOptions& options, const std::string& name, const std::string& value,
                 std::string& error) {
    using Command = CliOptions::Command;
    if (name == "--team" && options.command == Command::Table) {
        if (value != "A" && value != "B") {
            error = "--team takes A or B";
            return false;
        }
        options.team = value == "A" ? 0 : 1;
        return true;
    }
    if (name == "--meeting" && options.command == Command::Table) {
        long long number = 0;
        if (!parseNumber(value, number)) {
            error = "--meeting takes a meeting number";
            return false;
        }
        options.meeting = number;
        return true;
    }
    if (name == "--kind" && options.command == Command::Report) {
        static const std::map<std::string, ReportKind> kinds{{"overall", ReportKind::Overall},
                                                             {"men", ReportKind::Men},
                                                             {"women", ReportKind::Women}};
        const auto found = kinds.find(value);
        if (found == kinds.end()) {
            error = "--kind takes overall, men or women";
            return false;
        }
        options.kind = found->second;
        return true;
    }
    if (name == "--format" &&
        (options.command == Command::Export || options.command == Command::Attendance)) {
        if (value != "csv" && value != "json") {
            error = "--format takes csv or json";
            return false;
        }
        options.format = value == "csv" ? CliOptions::Format::Csv : CliOptions::Format::Json;
        return true;
    }
    if (name == "--format" && options.command == Command::Suggest) {
        if (value != "text" && value != "json") {
            error = "--format takes text or json";
            return false;
        }
        options.format = value == "text" ? CliOptions::Format::Text : CliOptions::Format::Json;
        return true;
    }
    if (name == "--count" && options.command == Command::Suggest) {
        long long number = 0;
        if (!parseNumber(value, number) || number < 1 || number > 1000) {
            error = "--count takes a number from 1 to 1000";
            return false;
        }
        options.count = static_cast<int>(number);
        return true;
    }
    error = "unknown option " + name;
    return false;
}

} // namespace

std::optional<CliOptions> parseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    CliOptions options;
    if (args.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    static const std::map<std::string, CliOptions::Command> commands{
        {"table", CliOptions::Command::Table},           {"report", CliOptions::Command::Report},
        {"export", CliOptions::Command::Export},         {"suggest", CliOptions::Command::Suggest},
        {"attendance", CliOptions::Command::Attendance}, {"help", CliOptions::Command::Help},
        {"--help", CliOptions::Command::Help},           {"-h", CliOptions::Command::Help}};
    const auto command = commands.find(args[0]);
    if (command == commands.end()) {
        error = "unknown command " + args[0];
        return std::nullopt;
    }
    options.command = command->second;
    if (options.command == CliOptions::Command::Help) {
        return options;
    }
    if (options.command == CliOptions::Command::Suggest) {
        options.format = CliOptions::Format::Text;
    }

    bool haveFile = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (haveFile) {
                error = "more than one file given";
                return std::nullopt;
            }
            options.file = arg;
            haveFile = true;
            continue;
        }
        if (arg == "--totals") {
            if (options.command != CliOptions::Command::Table) {
                error = "unknown option --totals";
                return std::nullopt;
            }
            options.totals = true;
            continue;
        }
        std::string name = arg;
        std::string value;
        if (const std::size_t equals = arg.find('='); equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = arg + " needs a value";
            return std::nullopt;
        }
        if (!applyOption(options, name, value, error)) {
            return std::nullopt;
        }
    }
    if ((!haveFile || options.file.empty()) && options.command != CliOptions::Command::Attendance) {
        error = "no data file given";
        return std::nullopt;
    }
    return options;
}

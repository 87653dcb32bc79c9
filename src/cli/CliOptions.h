#pragma once

#include "results/StandingsReport.h"

#include <optional>
#include <string>
#include <vector>

// The command line of rallynote-cli, checked for form only; whether a
// meeting number exists is known once the file is read.
struct CliOptions {
    enum class Command { Help, Table, Report, Export, Suggest, Attendance };
    enum class Format { Csv, Json, Text };

    Command command = Command::Help;
    std::string file; // optional for attendance: every data file's meetings
    int team = 0;
    std::optional<long long> meeting;
    bool totals = false;
    ReportKind kind = ReportKind::Overall;
    Format format = Format::Csv;
    int count = 3; // suggestions shown
};

// Parses the arguments that follow the program name. Returns nothing and
// sets `error` when they do not form a command.
std::optional<CliOptions> parseCliOptions(const std::vector<std::string>& args, std::string& error);

extern const char kCliUsage[];

#include "CliRun.h"

#include "cli/Cli.h"

#include <sstream>

CliRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = runCli(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

} // namespace

std::vector<std::string> linesIn(const std::string& text) {
    return split(text, '\n');
}

std::vector<std::string> cellsOf(const std::string& row) {
    return split(row, '\t');
}

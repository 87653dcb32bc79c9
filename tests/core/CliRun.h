#pragma once

#include <string>
#include <vector>

// One run of rallynote-cli with its exit status and both output streams.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun runTool(const std::vector<std::string>& args);

// The lines of an output, and the TAB-separated cells of one line.
std::vector<std::string> linesIn(const std::string& text);
std::vector<std::string> cellsOf(const std::string& row);

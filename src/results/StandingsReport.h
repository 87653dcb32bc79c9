#pragma once

#include <string>
#include <vector>

struct MeetingState;

// The texts of the standings report dialog (Form11), named after its
// controls.
struct StandingsReport {
    std::u16string Text7;               // title
    std::vector<std::u16string> List1;  // heading line, then one line per ranked member
    std::u16string Label3;              // team A's name
    std::u16string Label4;              // team B's name
    std::u16string Text1, Text2, Text5; // team A: matches, wins:losses(draws), games
    std::u16string Text3, Text4, Text6; // team B, the same
    bool teamBHidden = false;           // one-team singles shows no team B
};

enum class ReportKind { Overall = 0, Men = 1, Women = 2 };

// Fills the report from the result table as the totals view left it: the
// ranked members of the kind in rank order (team A before team B within a
// rank) and the totals of both teams, halved into match counts.
StandingsReport point_dsp(const MeetingState& state, ReportKind kind);

// A member's name as reports and log lines show it: the short name and one
// blank, cut before its first NUL unless the NUL is its first character.
std::u16string reportName(std::u16string_view abbrev);

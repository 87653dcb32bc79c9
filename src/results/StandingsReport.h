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

// A member's matches as the standings list them: wins and losses without the
// draws (which the packed column counts as a win and a loss), draws apart.
struct DecidedRecord {
    long long wins = 0;
    long long losses = 0;
    long long draws = 0;
};

DecidedRecord decidedRecord(const MeetingState& state, int team, int member);

// A ranked member of the report with the figures of its line: wins and
// losses without the draws, the draws apart.
struct ReportMember {
    long long pos = 0;
    int team = 0;
    int member = 0;
    long long matches = 0;
    long long wins = 0;
    long long losses = 0;
    long long draws = 0;
    long long winRate = 0;
    long long pointWinRate = 0;
    std::u16string name; // as reportName gives it
};

// A team's totals as the report shows them: member counts halved into match
// counts. The halves are real numbers (one-team singles can leave a half);
// the draws are a whole 16-bit number.
struct ReportTeamTotals {
    double matches = 0;
    double wins = 0;
    double losses = 0;
    long long draws = 0;
    double gamesWon = 0;
    double gamesLost = 0;
};

// The members of the kind in rank order, team A before team B within a rank;
// members without a rank of the kind are left out.
std::vector<ReportMember> reportMembers(const MeetingState& state, ReportKind kind);

ReportTeamTotals reportTeamTotals(const MeetingState& state, int team);

// Fills the report from the result table as the totals view left it: the
// ranked members of the kind in rank order (team A before team B within a
// rank) and the totals of both teams, halved into match counts.
StandingsReport point_dsp(const MeetingState& state, ReportKind kind);

// A member's name as reports and log lines show it: the short name and one
// blank, cut before its first NUL unless the NUL is its first character.
std::u16string reportName(std::u16string_view abbrev);

// The same name without the blanks that pad it, for exports and tables.
std::u16string plainName(std::u16string_view abbrev);

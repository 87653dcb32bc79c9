#pragma once

#include <string>
#include <vector>

struct MeetingState;

// The texts the standings report dialog shows, ready to display.
struct StandingsReport {
    std::u16string title;
    std::vector<std::u16string> memberLines; // heading line, then one line per ranked member
    std::u16string teamAName;
    std::u16string teamBName;
    // Each team's " 総試合数＝ …", " 総勝敗数＝ …" and " 総ﾎﾟｲﾝﾄ ＝ …" lines.
    std::u16string teamAMatches;
    std::u16string teamARecord;
    std::u16string teamAGames;
    std::u16string teamBMatches;
    std::u16string teamBRecord;
    std::u16string teamBGames;
    bool teamBHidden = false; // one-team singles shows no team B
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
StandingsReport buildStandingsReport(const MeetingState& state, ReportKind kind);

// A member's name as reports and log lines show it: the short name and one
// blank, cut before its first NUL unless the NUL is its first character.
std::u16string reportName(std::u16string_view abbrev);

// The same name without the blanks that pad it, for exports and tables.
std::u16string plainName(std::u16string_view abbrev);

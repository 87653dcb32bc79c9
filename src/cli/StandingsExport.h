#pragma once

#include <ostream>
#include <string>
#include <vector>

struct MeetingState;

// One participant's standings as the export writes them. Wins and losses
// leave the draws out; the draws stand apart.
struct ExportRow {
    char team = 'A';
    std::u16string name;
    long long matches = 0;
    long long wins = 0;
    long long losses = 0;
    long long draws = 0;
    long long gamesWon = 0;
    long long gamesLost = 0;
    long long winRate = 0;
    long long pointWinRate = 0;
    long long overallRank = 0;
    long long sexRank = 0;
};

// The participants of the meeting's teams with the standings the result
// table holds, in team and member order. Outside two-team doubles team B's
// members are listed only when they played in some meeting.
std::vector<ExportRow> exportRows(const MeetingState& state);

// CSV with a header row, fields quoted as RFC 4180 says, lines ended CR LF.
void writeCsv(const std::vector<ExportRow>& rows, std::ostream& out);

// One JSON object: the number of meetings and the list of participants.
void writeJson(const std::vector<ExportRow>& rows, int meetings, std::ostream& out);

// A UTF-8 text as a JSON string, quotes included.
std::string jsonString(const std::string& text);

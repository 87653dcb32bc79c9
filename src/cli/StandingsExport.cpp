#include "cli/StandingsExport.h"

#include "results/PackedParts.h"
#include "results/ScoreCode.h"
#include "results/StandingsReport.h"
#include "state/MeetingState.h"
#include "state/StateBounds.h"
#include "text/CsvField.h"
#include "text/Utf8.h"

#include <cstdio>

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

namespace {} // namespace

std::vector<ExportRow> exportRows(const MeetingState& state) {
    std::vector<ExportRow> rows;
    for (int team = 0; team < 2; ++team) {
        for (int i = 1; i <= boundedTeamSize(state, team); ++i) {
            const auto& row = state.resultTable[team][i];
            // Team B plays only in two-team doubles, but its members keep
            // the matches of earlier meetings in the totals after a change
            // of method.
            if (team == 1 && state.matchMethod != MatchMethod::TwoTeamDoubles &&
                row[PlayedCount] <= 0) {
                continue;
            }
            const DecidedRecord decided = decidedRecord(state, team, i);
            const ScoreParts games = packedParts(state, team, i, GamesWonLost);
            ExportRow out;
            out.team = team == 0 ? 'A' : 'B';
            out.name = plainName(state.memberAbbrev[team][i].str());
            out.matches = row[PlayedCount];
            out.draws = decided.draws;
            out.wins = decided.wins;
            out.losses = decided.losses;
            out.gamesWon = games.first;
            out.gamesLost = games.second;
            out.winRate = row[WinRate];
            out.pointWinRate = row[PointWinRate];
            out.overallRank = row[OverallRank];
            out.sexRank = row[SexRank];
            rows.push_back(out);
        }
    }
    return rows;
}

void writeCsv(const std::vector<ExportRow>& rows, std::ostream& out) {
    out << "team,name,matches,wins,losses,draws,games_won,games_lost,win_rate,point_win_rate,"
           "overall_rank,sex_rank\r\n";
    for (const ExportRow& row : rows) {
        out << row.team << ',' << csvField(toUtf8(row.name)) << ',' << row.matches << ','
            << row.wins << ',' << row.losses << ',' << row.draws << ',' << row.gamesWon << ','
            << row.gamesLost << ',' << row.winRate << ',' << row.pointWinRate << ','
            << row.overallRank << ',' << row.sexRank << "\r\n";
    }
}

void writeJson(const std::vector<ExportRow>& rows, int meetings, std::ostream& out) {
    out << "{\n  \"meetings\": " << meetings << ",\n  \"participants\": [";
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const ExportRow& row = rows[k];
        out << (k == 0 ? "\n" : ",\n") << "    {\"team\": \"" << row.team
            << "\", \"name\": " << jsonString(toUtf8(row.name)) << ", \"matches\": " << row.matches
            << ", \"wins\": " << row.wins << ", \"losses\": " << row.losses
            << ", \"draws\": " << row.draws << ", \"games_won\": " << row.gamesWon
            << ", \"games_lost\": " << row.gamesLost << ", \"win_rate\": " << row.winRate
            << ", \"point_win_rate\": " << row.pointWinRate
            << ", \"overall_rank\": " << row.overallRank << ", \"sex_rank\": " << row.sexRank
            << "}";
    }
    out << (rows.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

#include "cli/SuggestionOutput.h"

#include "cli/StandingsExport.h"
#include "state/MeetingState.h"
#include "suggestions/SuggestionEngine.h"
#include "suggestions/SuggestionText.h"
#include "text/Utf8.h"

void writeSuggestionsText(const MeetingState& state, const std::vector<Suggestion>& suggestions,
                          std::ostream& out) {
    int rank = 0;
    for (const Suggestion& s : suggestions) {
        out << ++rank;
        for (const auto& side : suggestionSides(state, s)) {
            out << '\t' << toUtf8(joinedNames(side));
        }
        out << '\t' << toUtf8(s.reasonText()) << '\n';
    }
}

void writeSuggestionsJson(const MeetingState& state, const std::vector<Suggestion>& suggestions,
                          std::ostream& out) {
    out << "{\"meeting\": " << state.meetingCount << ", \"suggestions\": [";
    int rank = 0;
    for (const Suggestion& s : suggestions) {
        out << (rank == 0 ? "\n" : ",\n") << "  {\"rank\": " << rank + 1 << ", \"cells\": [";
        ++rank;
        for (std::size_t i = 0; i < s.cells.size(); ++i) {
            const PickCell& c = s.cells[i];
            out << (i == 0 ? "" : ", ") << "{\"team\": \"" << (c.team == 1 ? 'B' : 'A')
                << "\", \"column\": " << c.column << ", \"row\": " << c.row << '}';
        }
        out << "], \"sides\": [";
        const auto sides = suggestionSides(state, s);
        for (std::size_t i = 0; i < sides.size(); ++i) {
            out << (i == 0 ? "[" : ", [");
            for (std::size_t j = 0; j < sides[i].size(); ++j) {
                out << (j == 0 ? "" : ", ") << jsonString(toUtf8(sides[i][j]));
            }
            out << ']';
        }
        out << "], \"reasons\": [";
        for (std::size_t i = 0; i < s.reasons.size(); ++i) {
            out << (i == 0 ? "" : ", ") << jsonString(toUtf8(s.reasons[i]));
        }
        out << "]}";
    }
    out << (rank == 0 ? "]}\n" : "\n]}\n");
}

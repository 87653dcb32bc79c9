#include "results/TotalsView.h"

#include "platform/Platform.h"
#include "results/PackedParts.h"
#include "results/Points.h"
#include "results/ResultsGrid.h"
#include "results/ScoreCode.h"
#include "state/MeetingState.h"
#include "state/StateBounds.h"
#include "storage/LittleEndian.h"
#include "storage/MeetingFile.h"
#include "storage/MeetingRecord.h"
#include "storage/RecordFile.h"

namespace {

constexpr int kFirstSummedColumn = PlayedCount;
constexpr int kLastSummedColumn = 28;

// The little-endian value of result element (team, slot, column) of a
// record, decoded here because it runs for every summed cell of every
// meeting.
std::int32_t storedResult(const MeetingRecord& record, int team, int slot, int column) {
    return readInt32Le(record.bytes.data() + MeetingRecord::kResultOffset +
                       4 * MeetingRecord::resultIndex(team, slot, column));
}

static_assert(MeetingRecord::kResultOffset + 4 * (1 + 3 * kTotalsRow + 66 * kLastSummedColumn) +
                  4 <=
              MeetingRecord::kSize);

// The packed columns are summed part by part, so a total above 999 stays
// whole; the other columns are plain sums.
void addRecord(MeetingState& state, const MeetingRecord& record) {
    for (int team = 0; team < 2; ++team) {
        for (int m = 1; m <= kTotalsRow; ++m) {
            auto& row = state.resultTable[team][m];
            for (int k = kFirstSummedColumn; k <= kLastSummedColumn; ++k) {
                if (k == WinsLosses || k == GamesWonLost) {
                    const ScoreParts sum = packedParts(state, team, m, k);
                    const ScoreParts added = splitScore(storedResult(record, team, m, k));
                    setPackedParts(state, team, m, k,
                                   {sum.first + added.first, sum.second + added.second});
                } else {
                    row[k] = saturateInt32(static_cast<long long>(row[k]) +
                                           storedResult(record, team, m, k));
                }
            }
        }
    }
}

} // namespace

bool showTotals(MeetingState& state, const MeetingFile& file, Platform& platform, MainView& view) {
    state.totalsBusy = 1;
    if (state.viewState == ViewState::Totals) {
        platform.beep();
        return false;
    }
    state.viewState = ViewState::Totals;

    // One open for all records: the sums over a long history must cost
    // little more than reading the file once.
    RecordFile data(MeetingRecord::kSize);
    MeetingRecord record;
    bool readable = state.meetingCount < 2 || data.openForReading(file.resolve(state.currentPath));
    for (int n = 1; readable && n < state.meetingCount; ++n) {
        readable = data.read(n, record.bytes.data());
        if (readable) {
            addRecord(state, record);
        }
    }
    if (!readable) {
        platform.showMessage(u"ﾌｧｲﾙを開くときにｴﾗｰが発生しました。", u"ラリーノート（合計）");
        return false;
    }

    recomputeRates(state);
    const int team = boundedTeam(state.currentTeam);
    const PlayedColumn played = addRunningToPlayed(state, team);
    buildResultsRows(state, view);
    restorePlayed(state, team, played);
    state.totalsBusy = 0;
    return true;
}

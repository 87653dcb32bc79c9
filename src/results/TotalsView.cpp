#include "results/TotalsView.h"

#include "platform/Platform.h"
#include "results/Points.h"
#include "results/ResultsGrid.h"
#include "results/ScoreCode.h"
#include "state/MeetingState.h"
#include "state/StateBounds.h"
#include "storage/MeetingFile.h"
#include "storage/MeetingRecord.h"

namespace {

constexpr int kFirstSummedColumn = PlayedCount;
constexpr int kLastSummedColumn = 28;

void addRecord(MeetingState& state, const MeetingRecord& record) {
    for (int team = 0; team < 2; ++team) {
        for (int m = 1; m <= kTotalsRow; ++m) {
            auto& row = state.ResultTable[team][m];
            for (int k = kFirstSummedColumn; k <= kLastSummedColumn; ++k) {
                row[k] = saturateInt32(static_cast<long long>(row[k]) + record.result(team, m, k));
            }
        }
    }
}

} // namespace

bool Command1_sub(MeetingState& state, const MeetingFile& file, Platform& platform,
                  MainView& view) {
    state.TotalsBusy = 1;
    if (state.ViewState == 2) {
        platform.beep();
        return false;
    }
    state.ViewState = 2;

    MeetingRecord record;
    for (int n = 1; n < state.MeetingCount; ++n) {
        if (!file.readRecord(n, record)) {
            platform.showMessage(u"ﾌｧｲﾙを開くときにｴﾗｰが発生しました。", u"ラリーノート（合計）");
            return false;
        }
        addRecord(state, record);
    }

    recomputeRates(state);
    const int team = boundedTeam(state.CurrentTeam);
    const PlayedColumn played = addRunningToPlayed(state, team);
    kekka_dsp(state, view);
    restorePlayed(state, team, played);
    state.TotalsBusy = 0;
    return true;
}

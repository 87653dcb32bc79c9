#include "board/TonightMeeting.h"

#include "matching/PairPriorities.h"
#include "results/Points.h"
#include "results/Ranking.h"
#include "state/StateBounds.h"

MeetingState tonightMeeting(const MeetingState& shown) {
    MeetingState tonight = shown;
    if (tonight.viewedMeeting != 0) {
        copyStoredMeeting(shown.currentSnapshot, tonight);
        tonight.viewedMeeting = 0;
    }
    tonight.viewState = ViewState::PairingTable;
    sumMemberPoints(tonight, 0);
    sumMemberPoints(tonight, 1);
    const int team = boundedTeam(tonight.currentTeam);
    const PlayedColumn played = addRunningToPlayed(tonight, team);
    markPriorities(tonight, team);
    restorePlayed(tonight, team, played);
    rankMembers(tonight);
    return tonight;
}

#include "board/BoardBuilder.h"

#include "board/BoardStandings.h"
#include "board/BoardWaiting.h"
#include "board/TonightMeeting.h"
#include "results/ScoreCode.h"
#include "storage/PictureLookup.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/SuggestionEngine.h"
#include "suggestions/SuggestionText.h"
#include "text/NumberPattern.h"

#include <algorithm>

namespace {

BoardMember boardMember(const MeetingState& state, const std::filesystem::path& workDir, int team,
                        int slot) {
    const PictureLookup picture =
        lookupPicture(workDir, state.memberPhotoNo[team][std::clamp(slot, 0, kSlots - 1)],
                      state.memberStatus[team][std::clamp(slot, 0, kSlots - 1)]);
    return {memberName(state, team, slot), team, picture.found ? picture.fileName : ""};
}

// The sides of a match as the confirmation shows them: in singles the
// second member of a side is the opponent and is left out.
std::array<BoardSide, 2> boardSides(const MeetingState& state, const std::filesystem::path& workDir,
                                    const std::array<SideMembers, 2>& sides) {
    const bool singles = matchShapeOf(state) == MatchShape::Singles;
    std::array<BoardSide, 2> board;
    for (std::size_t side = 0; side < 2; ++side) {
        const SideMembers& s = sides.at(side);
        board.at(side).team = s.team;
        board.at(side).members.push_back(boardMember(state, workDir, s.team, s.member1));
        if (!singles) {
            board.at(side).members.push_back(boardMember(state, workDir, s.team, s.member2));
        }
    }
    return board;
}

// A fixed-width field's text without the blanks and NULs that pad it.
std::u16string trimmed(std::u16string text) {
    text = text.substr(0, text.find(u'\0'));
    while (!text.empty() && (text.back() == u' ' || text.back() == u'　')) {
        text.pop_back();
    }
    return text;
}

int wholeMinutes(long long seconds) {
    return static_cast<int>(std::clamp<long long>(seconds / 60, 0, 24 * 60));
}

std::u16string clockText(const std::tm& now) {
    return formatNumber(now.tm_hour, u"00") + u":" + formatNumber(now.tm_min, u"00");
}

} // namespace

BoardContent buildBoardContent(const BoardInputs& inputs) {
    const MeetingState tonight = tonightMeeting(inputs.meeting);
    const long long now = secondsOf(inputs.now);
    BoardContent board;
    board.title = trimmed(tonight.meetingTitle.str());
    board.clockText = clockText(inputs.now);
    board.matchMethod = tonight.matchMethod;
    board.teamColours = tonight.matchMethod == MatchMethod::TwoTeamDoubles;
    board.teamNames = {tonight.teamNameA, tonight.teamNameB};

    for (int slot = 1; slot <= runningMatchCount(tonight); ++slot) {
        CourtCard card;
        card.court = slot;
        card.sides = boardSides(tonight, inputs.workDir,
                                {runningSide(tonight, slot, 0), runningSide(tonight, slot, 1)});
        if (const auto start = inputs.times ? inputs.times->startOf(tonight, slot) : std::nullopt) {
            card.minutesPlayed = wholeMinutes(now - *start);
        }
        board.courts.push_back(card);
    }
    if (inputs.times) {
        auto played = inputs.times->playedSince(tonight, now - kFinishedShownSeconds);
        std::reverse(played.begin(), played.end());
        for (const PlayedMatch& match : played) {
            CourtCard card;
            card.court = match.slot;
            card.sides = boardSides(tonight, inputs.workDir, match.sides);
            card.finished = true;
            const SideMembers& first = match.sides[0];
            const ScoreParts games =
                splitScore(pairResult(tonight, first.team, first.member1, first.member2));
            card.games = {static_cast<int>(games.first), static_cast<int>(games.second)};
            board.courts.push_back(card);
        }
    }

    for (const Suggestion& suggestion : inputs.suggestions) {
        if (static_cast<int>(board.nextMatches.size()) == kNextMatchesShown) {
            break;
        }
        const auto sides = suggestionSides(tonight, suggestion);
        if (sides.size() == 2) {
            board.nextMatches.push_back({{sides[0], sides[1]}});
        }
    }

    BoardWaiting lists = buildBoardWaiting(tonight, inputs.times, now);
    board.waiting = std::move(lists.waiting);
    board.resting = std::move(lists.resting);
    board.standings = buildBoardStandings(tonight);
    return board;
}

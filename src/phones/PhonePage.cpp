#include "phones/PhonePage.h"

#include <algorithm>

namespace {

PhoneCourt courtOf(const CourtCard& card) {
    PhoneCourt court;
    court.court = card.court;
    court.minutesPlayed = card.minutesPlayed;
    court.finished = card.finished;
    court.games = card.games;
    for (int side = 0; side < 2; ++side) {
        court.teams[side] = card.sides[side].team;
        for (const BoardMember& member : card.sides[side].members) {
            court.sides[side].push_back(member.name);
        }
    }
    return court;
}

// Adds the player unless the name is listed already: a member who has
// just finished and is suggested again is listed once, by the first state
// found. Names identify players because they are all the page has.
PhonePlayer* addPlayer(std::vector<PhonePlayer>& players, const std::u16string& name, int team,
                       PlayerState state) {
    const bool listed = std::any_of(players.begin(), players.end(),
                                    [&](const PhonePlayer& player) { return player.name == name; });
    if (listed) {
        return nullptr;
    }
    PhonePlayer& player = players.emplace_back();
    player.name = name;
    player.team = team;
    player.state = state;
    return &player;
}

const WaitingMember* findWaiting(const BoardContent& board, const std::u16string& name) {
    const auto found =
        std::find_if(board.waiting.begin(), board.waiting.end(),
                     [&](const WaitingMember& member) { return member.name == name; });
    return found == board.waiting.end() ? nullptr : &*found;
}

// The team of a suggested player: as the waiting list has it, else in
// two-team doubles the side's team, else team A.
int suggestedTeam(const BoardContent& board, const std::u16string& name, int side) {
    if (const WaitingMember* waiting = findWaiting(board, name)) {
        return waiting->team;
    }
    return board.teamColours ? side : 0;
}

void listPlayers(const BoardContent& board, const std::vector<RosterName>& roster,
                 const PhonePage& page, std::vector<PhonePlayer>& players) {
    for (const PhoneCourt& court : page.courts) {
        for (int side = 0; side < 2 && !court.finished; ++side) {
            for (const std::u16string& name : court.sides[side]) {
                if (PhonePlayer* player =
                        addPlayer(players, name, court.teams[side], PlayerState::Playing)) {
                    player->court = court.court;
                }
            }
        }
    }
    for (std::size_t index = 0; index < board.nextMatches.size(); ++index) {
        for (int side = 0; side < 2; ++side) {
            for (const std::u16string& name : board.nextMatches[index].sides[side]) {
                if (PhonePlayer* player = addPlayer(players, name, suggestedTeam(board, name, side),
                                                    PlayerState::Next)) {
                    player->matchesAhead = static_cast<int>(index);
                }
            }
        }
    }
    for (const WaitingMember& member : board.waiting) {
        addPlayer(players, member.name, member.team, PlayerState::Waiting);
    }
    for (const WaitingMember& member : board.resting) {
        addPlayer(players, member.name, member.team, PlayerState::Resting);
    }
    for (const RosterName& member : roster) {
        addPlayer(players, member.name, member.team, PlayerState::Waiting);
    }
    for (PhonePlayer& player : players) {
        if (const WaitingMember* waiting = findWaiting(board, player.name)) {
            player.matchesPlayed = waiting->matchesPlayed;
            player.minutesWaited = waiting->minutesWaited;
        }
    }
}

} // namespace

PhonePage buildPhonePage(const BoardContent& board, const std::vector<RosterName>& roster) {
    PhonePage page;
    page.title = board.title;
    page.clockText = board.clockText;
    page.teamColours = board.teamColours;
    page.teamNames = board.teamNames;
    std::transform(board.courts.begin(), board.courts.end(), std::back_inserter(page.courts),
                   courtOf);
    page.nextMatches = board.nextMatches;
    page.waiting = board.waiting;
    page.resting = board.resting;
    page.standings = board.standings;
    listPlayers(board, roster, page, page.players);
    return page;
}

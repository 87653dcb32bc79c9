#pragma once

#include "text/FixedText.h"

#include <array>
#include <cstdint>
#include <string>

// Array bounds of the meeting model. Teams are indexed 0 (team A), 1 (team B)
// and 2 (never stored, never holds a participant); participant slots 1..20,
// with 0 and 21 as spare rows (row 21 of the result table holds team totals).
inline constexpr int kTeams = 3;
inline constexpr int kSlots = 22;
inline constexpr int kMaxTeamSize = 20;
inline constexpr int kResultColumns = 30;
inline constexpr int kStoredResultColumns = 29; // columns 0..28
inline constexpr int kRunningSlots = 12;        // slots 1..10 used
inline constexpr int kMaxRunning = 10;

// Columns of the result table beyond the head-to-head cells 1..20.
enum ResultColumn : int {
    PlayedCount = 21,  // matches played
    WinsLosses = 22,   // wins × 1000 + losses
    GamesWonLost = 23, // games won × 1000 + games lost
    WinRate = 24,      // whole percent
    PointWinRate = 25, // whole percent
    SexRank = 26,
    OverallRank = 27,
};
inline constexpr int kTotalsRow = 21;

// How a meeting is played. Stored as its number; a number read from
// elsewhere may be outside the three.
enum class MatchMethod : std::int16_t {
    TwoTeamDoubles = 0, // a pair of team A against a pair of team B
    OneTeamDoubles = 1, // pairs within the shown team
    OneTeamSingles = 2, // members of team A one against one
};

// Two-team doubles with pairs formed within the shown team instead of one
// pair of each team. Not stored; a new or opened meeting starts Off.
enum class IntraTeamMode : std::int16_t { Off, On };

// What the main window shows.
enum class ViewState {
    PairingTable, // the pairing table of the shown meeting
    RunningList,  // the running-match list is open beside it
    Totals,       // the totals over all meetings
};

// Pair codes of the pairing matrix.
enum PairCode : std::int16_t {
    PairFirstClass = 0,
    PairSecondClass = 1,
    PairFirstClassBusy = 2,
    PairSecondClassBusy = 3,
    PairResting = 4,
    PairFinished = 5,
    PairRunning = 8,
    PairUnavailable = 9,
};

using TeamSlotArray16 = std::array<std::array<std::int16_t, kSlots>, kTeams>;
using ResultTableArray =
    std::array<std::array<std::array<std::int32_t, kResultColumns>, kSlots>, kTeams>;
using PairStateArray = std::array<std::array<std::array<std::int16_t, kSlots>, kSlots>, kTeams>;
using AbbrevArray = std::array<std::array<FixedText<8>, kSlots>, kTeams>;
using SideSlotArray = std::array<std::array<std::int16_t, kRunningSlots>, kTeams>;

// The two numbers of a packed result column (wins and losses, games won and
// lost) kept apart: a sum over many meetings or members passes 999 and then
// no longer fits first × 1000 + second. Indexed [team][slot][0 wins / 1 games].
struct PackedPair {
    long long first = 0;
    long long second = 0;
};
using PackedPairArray = std::array<std::array<std::array<PackedPair, 2>, kSlots>, kTeams>;

// The stored part of one meeting: what the data file keeps and what is
// copied aside while an earlier meeting is viewed.
struct MeetingSnapshot {
    FixedText<40> meetingTitle;
    MatchMethod matchMethod = MatchMethod::TwoTeamDoubles;
    std::array<std::int16_t, kTeams> teamSize{};
    std::u16string teamNameA;
    std::u16string teamNameB;
    TeamSlotArray16 memberPhotoNo{};
    TeamSlotArray16 memberStatus{};
    AbbrevArray memberAbbrev{};
    ResultTableArray resultTable{};
    PairStateArray pairState{};
};

// The one state every window works on: the open data file, the current
// meeting, the running matches, the pairing being picked and the view flags.
// Arrays are indexed [team][slot] and [team][slot][column].
struct MeetingState {
    // Meeting header.
    std::int16_t meetingCount = 0;
    std::int16_t viewedMeeting = 0;
    FixedText<40> meetingTitle;
    std::u16string teamNameA;
    std::u16string teamNameB;
    MatchMethod matchMethod = MatchMethod::TwoTeamDoubles;
    IntraTeamMode intraTeamMode = IntraTeamMode::Off;
    std::int16_t currentTeam = 0;
    std::array<std::int16_t, kTeams> teamSize{};

    // Participants.
    TeamSlotArray16 memberPhotoNo{};
    TeamSlotArray16 memberStatus{};
    AbbrevArray memberAbbrev{};

    ResultTableArray resultTable{};
    PairStateArray pairState{};
    // The parts behind resultTable's packed columns as last computed; they
    // count only while the column still holds their packed code (see
    // results/PackedParts.h).
    PackedPairArray keptPackedParts{};

    // Running matches (court list), slots 1..runningCount, sides 0 and 1.
    std::int16_t runningCount = 0;
    SideSlotArray slotTeam{};
    SideSlotArray slotMember1{};
    SideSlotArray slotMember2{};
    std::int16_t removeSlot = 0;

    // The pairing being picked or settled, sides 0 and 1.
    std::array<std::int16_t, kTeams> pickTeam{};
    std::array<std::int16_t, kTeams> pickMember1{};
    std::array<std::int16_t, kTeams> pickMember2{};

    // View and input flags.
    ViewState viewState = ViewState::PairingTable;
    std::int32_t playedTotal = 0;
    std::int16_t totalsBusy = 0;
    std::int16_t lastGridButton = 0;
    std::array<std::int16_t, 2> correctionCell{}; // column, row
    std::int16_t windowReady = 0;

    // File identity.
    std::u16string currentPath;
    std::u16string openName;
    std::u16string targetPath;

    // The current meeting while an earlier one is viewed.
    MeetingSnapshot currentSnapshot;

    bool isResting(int team, int slot) const { return memberStatus[team][slot] > 1; }
    bool isFemale(int team, int slot) const { return memberStatus[team][slot] % 10 == 1; }

    // Sets both orders of a pair to the same code.
    void setPair(int team, int a, int b, std::int16_t code) {
        pairState[team][a][b] = code;
        pairState[team][b][a] = code;
    }
    void clearPicks();
};

// What resetMeeting clears. Every pair of the matrix starts with the code
// the target gives it: first class, second class or not available.
enum class ResetTarget {
    NewMeeting, // a new or opened file: default title, names and roster
    MatchData,  // clear the match data, keep title, names and roster
    StartUp,    // nothing loaded yet: placeholder names, no pair available
};
void resetMeeting(MeetingState& state, ResetTarget target);
void saveSnapshot(MeetingState& state);
void restoreSnapshot(MeetingState& state);

// Deletes running slot removeSlot and closes the gap. The caller saves the
// meeting afterwards (the slot list is not stored, the pair codes are).
void removeRunningSlot(MeetingState& state);

// Copies the stored part of a meeting between the state and a snapshot.
void copyStoredMeeting(const MeetingState& from, MeetingSnapshot& to);
void copyStoredMeeting(const MeetingSnapshot& from, MeetingState& to);

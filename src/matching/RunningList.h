#pragma once

#include "matching/MainView.h"

#include <string_view>

struct MeetingState;
class Platform;

// The running-match list window: caption, instruction and the list grid.
inline constexpr std::u16string_view kRunningListCaption =
    u"                          　　　　        試合中表示";
inline constexpr std::u16string_view kRunningListInstruction =
    u"☆ 試合ＮＯを選択し決定をｸﾘｯｸ、または試合ＮＯをﾀﾞﾌﾞﾙｸﾘｯｸして下さい。";

// Marks the list as open (viewState 1), as the window does when it shows.
void openRunningList(MeetingState& state);

// The list as a grid of 5 columns: match number, spacer, side 0, "ＶＳ",
// side 1; one row per running match below the headings, at least 4 rows.
// Sizes are in twips and share the usable width and height of the grid.
GridModel buildRunningList(const MeetingState& state, int usableWidth, int usableHeight);

// Choosing row k of the list for result entry, cancellation or forfeit:
// removeSlot = k; a row without a running match beeps and returns false;
// otherwise the slot's sides are copied into the picks. While an earlier
// meeting is shown the choice is refused with a message and nothing changes.
bool chooseRunningMatch(MeetingState& state, Platform& platform, int row);

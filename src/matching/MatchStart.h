#pragma once

struct MeetingState;
class Platform;

// The decide button of the pairing confirmation: the picked match takes the
// next running slot and both pairs are marked playing (code 8). An eleventh
// match is refused with a beep. Either way the picks are cleared; the caller
// then opens the running-match list. Returns whether the match started.
bool startMatch(MeetingState& state, Platform& platform);

// The cancel button: the picked members are let go; the selection handler
// clears the rest.
void cancelPairing(MeetingState& state);

#pragma once

#include <string>
#include <string_view>

class Program;
struct MeetingState;

// The score boxes take no key whose character code is above 65 ("A"):
// digits, Backspace, Enter, blank and punctuation pass.
bool acceptsScoreKey(char16_t key);

// The result entry's OK: reads the games of each side from the two score
// boxes, refuses (beep, nothing changed, false) a score below 0 or above
// 999, one beyond the 32-bit range, or 0 against 0; otherwise stores the
// score codes, marks both pairs finished, releases the running slot, saves
// the meeting, logs the result and returns true (the dialog closes).
bool enterResult(Program& program, std::u16string_view text1, std::u16string_view text2);

// "結果 (A+B)ＶＳ (C+D) g0 : g1 " for the picked match.
std::u16string resultLogLine(const MeetingState& state, int games0, int games1);

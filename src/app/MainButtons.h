#pragma once

#include <functional>

class MainLayout;
class Program;

// "チーム切替": shows the other team and selects its tab; does nothing (no
// beep) outside two-team doubles or in intra-team mode.
void showOtherTeam(Program& program, MainLayout& layout);

// "試合中表示": opens the running-match list beside the main window, then
// redraws. Beeps while the totals are shown, with no meeting or while an
// earlier meeting is shown. Returns false when it beeped.
bool showRunningMatches(Program& program, const std::function<void()>& openRunningList);

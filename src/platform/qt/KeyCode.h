#pragma once

class QKeyEvent;

// The key code the help rule works with: F1 .. F12 are 112 .. 123, letters
// and digits their upper-case character code, anything else 0.
int windowsKeyCode(const QKeyEvent& event);

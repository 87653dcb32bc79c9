#pragma once

class QDialog;

// Takes the hidden default away from every push button of a dialog: Enter
// in a box does nothing beyond that box, and Enter on a focused button
// presses that button, as Space does. Call it once all buttons are made.
void keepEnterWithTheFocusedControl(QDialog& dialog);

#pragma once

class QWidget;

// A dialog opened from the main window centres itself over it, inside the
// screen.
void centreOverParent(QWidget& dialog);

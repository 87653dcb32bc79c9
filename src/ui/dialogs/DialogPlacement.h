#pragma once

class QWidget;

// A dialog opened from the main window centres itself over it.
void centreOverParent(QWidget& dialog);

#pragma once

class QWidget;

// Prints the image of a window on the default printer, scaled to fit the
// page. Returns false when there is no printer or printing fails.
bool printWindowImage(QWidget& window);

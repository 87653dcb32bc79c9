#pragma once

#include <QString>

class QWidget;

// Prints the image of a window on one page, scaled to fit and keeping its
// proportions, after the print dialog. Tests (and scripts) name a PDF file
// instead, and the image goes there without a dialog.
class WindowPrinter {
public:
    // Returns false when the dialog was cancelled or nothing could be printed.
    static bool print(QWidget& window);

    // An empty path brings the dialog back.
    static void setPdfOutput(const QString& path);
};

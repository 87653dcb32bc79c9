#pragma once

#include <QString>

class QTextDocument;
class QWidget;

// The program's one printer. The print dialog lets the user choose a printer
// or a PDF file; tests (and scripts) name a PDF file instead, and the output
// goes there without a dialog.
class WindowPrinter {
public:
    // Prints the image of a window on one page, scaled to fit and keeping
    // its proportions. Returns false when the dialog was cancelled or nothing
    // could be printed.
    static bool print(QWidget& window);

    // Prints a text document on A4 paper, upright, with the margins and page
    // number a text document prints with; the dialog belongs to `owner`.
    // Returns false as print() does.
    static bool printDocument(QTextDocument& document, QWidget& owner);

    // An empty path brings the dialog back.
    static void setPdfOutput(const QString& path);
};

#pragma once

#include <QFont>
#include <QString>

#include <string>
#include <string_view>

class Program;
class QWidget;

// Small helpers the registration dialogs share.

inline QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::u16string fromQString(const QString& text) {
    return text.toStdU16String();
}

// The program's sizes are in twips: 15 to a pixel on a 96-dpi screen.
inline int twipsToPixels(int twips) {
    return twips / 15;
}

// Places a dialog centred over the window it was opened from.
void centreOver(QWidget& dialog, const QWidget* owner);

// Opens a help page of the "html" folder below the working folder.
void openHelpPage(Program& program, const char* page);

// A font whose full-width characters are exactly two half-width ones wide, so
// the fixed-format list lines stand in columns.
QFont fixedPitchFont();

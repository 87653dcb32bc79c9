#pragma once

#include <QString>

#include <string>
#include <string_view>

class QKeyEvent;
class QWidget;

// Places a dialog centred over the main window: left = main left + (main
// width − dialog width) / 2, top likewise.
void centreOver(QWidget* dialog, const QWidget* mainWindow);

// The key code the program's key handlers work with (F1 = 112); 0 for keys
// without one.
int programKeyCode(const QKeyEvent* event);

QString toQString(std::u16string_view text);
std::u16string toU16(const QString& text);

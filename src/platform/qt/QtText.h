#pragma once

#include <QString>

#include <string>
#include <string_view>

// Between the program's UTF-16 text and Qt's.
QString toQString(std::u16string_view text);
std::u16string toU16(const QString& text);

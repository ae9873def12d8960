#pragma once

#include <QString>
#include <string>
#include <string_view>

// Code page 1251 is the byte encoding of every text that reaches a file or the wire; widget code
// holds QString. These two are the only crossing points between the two worlds.

// Bytes in code page 1251 to Unicode. Every byte maps to one character, so the round trip is exact.
QString FromCp1251(std::string_view bytes);

// Unicode to code page 1251; a character that the code page lacks becomes "?".
std::string ToCp1251(const QString &text);

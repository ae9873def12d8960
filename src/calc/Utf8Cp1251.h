#pragma once

#include <string>
#include <string_view>

// Text outside the widgets is held in code page 1251. Source files are UTF-8, so Russian
// literals go through these conversions once, where they are created.
//
// Covered: ASCII, Cyrillic А..я, Ё/ё and the punctuation the program's texts use
// (№ « » – — … ° ± and the typographic quotes). Anything else becomes '?'.

namespace velmora {

// UTF-8 to code page 1251. Malformed UTF-8 sequences become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// Code page 1251 to UTF-8 (the inverse; unmapped bytes become '?').
std::string Cp1251ToUtf8(std::string_view cp1251);

} // namespace velmora

#pragma once

#include <string>

// Text-to-value conversions with the rules the settings files were written under.

// Decimal integer with optional leading blanks and sign; "$1F" and "0x1F" are read as hexadecimal.
// Anything else, trailing characters included, or a value outside 32 bits raises EConvertError.
int StrToInt(const std::string &text);

// A number (0 is false, any other number true) or one of the words "true"/"false" in any letter
// case; anything else raises EConvertError.
bool StrToBool(const std::string &text);

// "true" or "false".
std::string BoolToStr(bool value);

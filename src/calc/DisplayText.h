#pragma once

#include <ctime>
#include <string>

namespace velmora {

// Two decimals with the user's separator ("12,96"); empty for absent, zero and negative values
// (and anything not finite). Halves are rounded away from zero, judged on the decimal number
// the float stands for: 2.675f shows 2,68 although its binary value is a hair below.
std::string FormatQuantity(float x, char decimalSeparator);

// "9.12.2026": day, month and year without leading zeros.
std::string DateText(const std::tm &when);
std::string DateText();
// "9:5": hour and minute without leading zeros.
std::string TimeText(const std::tm &when);
std::string TimeText();

} // namespace velmora

#pragma once

#include <string>

namespace velmora {

// A table cell's number: always two decimals with the user's separator and at least one integer
// digit, so an absent value prints "0.00" where the window leaves the field empty. Rounds as the
// window does, so paper and screen never disagree.
std::string FormatCell(float value, char decimalSeparator);

// A whole number, rounded (the number of feeds prints 7, not 7.00).
std::string FormatWhole(float value);

} // namespace velmora

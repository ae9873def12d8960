#include "PrintFormat.h"

#include "DisplayText.h"

#include <cmath>

namespace velmora {

std::string FormatCell(float value, char decimalSeparator) {
    // The window's formatter shows only positive numbers; it is reused for the magnitude so that
    // both round alike.
    const std::string zero = std::string("0") + decimalSeparator + "00";
    if (!std::isfinite(value) || value == 0.0f)
        return zero;
    const std::string magnitude = FormatQuantity(std::fabs(value), decimalSeparator);
    if (magnitude.empty() || magnitude == zero)
        return zero;
    return value < 0.0f ? "-" + magnitude : magnitude;
}

std::string FormatWhole(float value) {
    if (!std::isfinite(value))
        return "0";
    const long long whole = std::llround(static_cast<double>(value));
    return std::to_string(whole);
}

} // namespace velmora

#include "Element.h"

namespace velmora {

Element::Element(double minimum, double maximum, double factor)
    : perKg(minimum, maximum), factor(static_cast<float>(factor)) {}

bool Element::CalcPerDay(const DataItem &weight) {
    perDay.Assign(0);
    if (!perKg.IsValid() || !weight.IsValid())
        return false;
    perDay.Assign(static_cast<long double>(perKg.value) * weight.value * factor);
    // A per-day value exists whenever its inputs do; out of range it reads as a valid 0.
    perDay.SetValid(true);
    return true;
}

bool Element::CalcPerKg(const DataItem &weight) {
    perKg.Assign(0);
    if (!perDay.IsValid() || !weight.IsValid())
        return false;
    perKg.Assign(static_cast<long double>(perDay.value) / weight.value / factor);
    perKg.SetValid(true);
    return true;
}

void Element::Clear() {
    perKg.Clear();
    perDay.Clear();
}

} // namespace velmora

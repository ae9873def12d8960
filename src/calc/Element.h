#pragma once

#include "DataItem.h"

namespace velmora {

// A quantity per kilogram of body weight and per whole child; per day = per kg × weight ×
// factor (the factor turns, for instance, mmol of an electrolyte into ml of its solution).
class Element {
public:
    Element() = default;
    Element(double minimum, double maximum, double factor = 1.0);

    // perDay from perKg and the body weight. Returns whether it computed; without a valid
    // perKg or weight the per-day value is absent.
    bool CalcPerDay(const DataItem &weight);
    // perKg from perDay and the body weight (the inverse).
    bool CalcPerKg(const DataItem &weight);

    void Clear();
    float MaxPerKg() const { return perKg.max; }

    DataItem perKg;
    DataItem perDay;
    float factor = 1.0f;
};

} // namespace velmora

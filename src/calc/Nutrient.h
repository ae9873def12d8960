#pragma once

#include "Element.h"

namespace velmora {

// An amount of a nutrient (g/kg/day and g/day) and the energy it supplies (kcal/kg/day and
// kcal/day) at `energyFactor` kcal per gram.
class Nutrient {
public:
    Nutrient() = default;
    explicit Nutrient(double energyFactor);
    Nutrient(double minimum, double maximum, double energyFactor);

    // energy.perDay = amount.perDay × energyFactor, when the daily amount exists.
    void CalcEnergyPerDay();
    // Daily amount and energy (per day and per kg) from amount.perKg and the weight.
    void Recalc(const DataItem &weight);
    void Clear();

    Element amount;
    Element energy;
    float energyFactor = 1.0f;
};

} // namespace velmora

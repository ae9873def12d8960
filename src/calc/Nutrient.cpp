#include "Nutrient.h"

namespace velmora {

Nutrient::Nutrient(double energyFactor) : energyFactor(static_cast<float>(energyFactor)) {}

Nutrient::Nutrient(double minimum, double maximum, double energyFactor)
    : amount(minimum, maximum), energyFactor(static_cast<float>(energyFactor)) {}

void Nutrient::CalcEnergyPerDay() {
    energy.perDay.Assign(0);
    if (!amount.perDay.IsValid())
        return;
    energy.perDay.Assign(static_cast<long double>(amount.perDay.value) * energyFactor);
    energy.perDay.SetValid(true);
}

void Nutrient::Recalc(const DataItem &weight) {
    energy.Clear();
    amount.perDay.Assign(0);
    if (!weight.IsValid() || !amount.perKg.IsValid())
        return;
    amount.CalcPerDay(weight);
    CalcEnergyPerDay();
    energy.CalcPerKg(weight);
}

void Nutrient::Clear() {
    amount.Clear();
    energy.Clear();
}

} // namespace velmora

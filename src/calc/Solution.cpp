#include "Solution.h"

namespace velmora {

Solution::Solution(double doseMin, double doseMax, double energyFactor, double volumeMin,
                   double volumeMax)
    : dose(doseMin, doseMax, energyFactor), volume(volumeMin, volumeMax) {}

void Solution::CalcVolume() {
    volume.perKg.Assign(0);
    // A preparation without a concentration cannot give a volume; never divide by it.
    if (!preparat.valid || !dose.amount.perKg.IsValid() || !(preparat.concentration > 0.0f))
        return;
    volume.perKg.Assign(static_cast<long double>(dose.amount.perKg.value) / preparat.concentration);
    volume.perKg.SetValid(true);
}

void Solution::Recalc(const DataItem &weight) {
    volume.Clear();
    dose.Recalc(weight);
    if (preparat.valid && dose.amount.perKg.IsValid())
        CalcVolume();
    if (weight.IsValid() && volume.perKg.IsValid())
        volume.CalcPerDay(weight);
}

void Solution::Clear() {
    dose.Clear();
    volume.Clear();
}

} // namespace velmora

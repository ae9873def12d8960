#include "Infusion.h"

namespace velmora {

Infusion::Infusion() : time(0, 24) {}

void Infusion::CalcRate() {
    rate = 0.0f;
    // 0 hours is a valid entry (the field allows it) but has no rate.
    if (time.IsValid() && time.value > 0.0f && volume.IsValid())
        rate = static_cast<float>(static_cast<long double>(volume.value) / time.value);
}

void Infusion::Recalc() {
    concentration = 0.0f;
    rate = 0.0f;
    if (!volume.IsValid())
        return;
    if (dryMass.IsValid())
        concentration =
            static_cast<float>(static_cast<long double>(dryMass.value) / volume.value * 100);
    CalcRate();
}

void Infusion::Clear() {
    dryMass.Clear();
    volume.Clear();
    time.Clear();
    concentration = 0.0f;
    rate = 0.0f;
}

} // namespace velmora

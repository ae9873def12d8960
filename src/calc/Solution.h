#pragma once

#include "Nutrient.h"
#include "ParenteralPreparat.h"

namespace velmora {

// A parenteral solution: its preparation, the dose of its substance and the volume needed.
class Solution {
public:
    Solution() = default;
    Solution(double doseMin, double doseMax, double energyFactor, double volumeMin,
             double volumeMax);

    // volume.perKg = dose per kg ÷ concentration.
    void CalcVolume();
    // Dose per day and its energy, volume per kg and per day.
    void Recalc(const DataItem &weight);
    // Clears dose and volume; the preparation stays.
    void Clear();

    ParenteralPreparat preparat;
    Nutrient dose;
    Element volume;
};

} // namespace velmora

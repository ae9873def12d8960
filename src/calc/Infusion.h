#pragma once

#include "DataItem.h"

namespace velmora {

// One infusion of the 24-hour programme.
class Infusion {
public:
    Infusion();

    // rate = volume ÷ time.
    void CalcRate();
    // concentration = dry mass ÷ volume × 100 and the rate.
    void Recalc();
    void Clear();

    DataItem dryMass;           // g/day
    DataItem volume;            // ml/day
    DataItem time;              // hours, 0 to 24
    float concentration = 0.0f; // percent
    float rate = 0.0f;          // ml/hour
};

} // namespace velmora

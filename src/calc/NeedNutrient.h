#pragma once

#include "Element.h"

namespace velmora {

// A daily need entered by the doctor, the part of it the enteral feeding supplies and the
// parenteral dose proposed for the rest.
class NeedNutrient {
public:
    NeedNutrient(double needMin, double needMax, double proposalMin, double proposalMax);

    // proposal = need − enteral share (not below 0), limited to the largest dose that may be
    // proposed; per day from the weight. Absent without a need.
    void CalcProposal(const DataItem &weight);
    // Per-day values of need, enteral share and proposal for the current weight.
    void CalcPerDay(const DataItem &weight);

    Element need;
    Element enteral;
    Element proposal;
};

} // namespace velmora

#include "NeedNutrient.h"

#include <algorithm>

namespace velmora {

NeedNutrient::NeedNutrient(double needMin, double needMax, double proposalMin, double proposalMax)
    : need(needMin, needMax), proposal(proposalMin, proposalMax) {}

void NeedNutrient::CalcProposal(const DataItem &weight) {
    proposal.perKg.Clear();
    proposal.perDay.Clear();
    if (!need.perKg.IsValid())
        return;
    float a = need.perKg.value;
    if (enteral.perKg.IsValid())
        a = std::max(static_cast<float>(static_cast<long double>(a) - enteral.perKg.value), 0.0f);
    // Limited to the maximum also when the feed covers part of the need: a deficit larger
    // than the maximum must still propose the maximum, not nothing.
    a = std::min(a, proposal.MaxPerKg());
    proposal.perKg.Assign(a);
    proposal.CalcPerDay(weight);
}

void NeedNutrient::CalcPerDay(const DataItem &weight) {
    need.CalcPerDay(weight);
    enteral.CalcPerDay(weight);
    proposal.CalcPerDay(weight);
}

} // namespace velmora

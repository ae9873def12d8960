#include "Energy.h"

namespace velmora {

namespace {

// kcal per gram of amino acids: protein energy × 0.25 gives the grams back.
constexpr long double GramsPerProteinKcal = 0.25L;

} // namespace

void Energy::SetSources(float proteinKcal, float fatKcal, float carbohydrateKcal) {
    protein.Assign(proteinKcal);
    fat.Assign(fatKcal);
    carbohydrate.Assign(carbohydrateKcal);
}

void Energy::Recalc(const DataItem &weight) {
    total.Clear();
    nonProtein.Clear();
    perGramProtein.Clear();

    total.perDay.Assign(static_cast<long double>(protein.OrZero()) + fat.OrZero() +
                        carbohydrate.OrZero());
    total.CalcPerKg(weight);

    nonProtein.perDay.Assign(static_cast<long double>(fat.OrZero()) + carbohydrate.OrZero());
    nonProtein.CalcPerKg(weight);

    if (protein.IsValid() && nonProtein.perDay.IsValid())
        perGramProtein.Assign(nonProtein.perDay.value /
                              (static_cast<long double>(protein.value) * GramsPerProteinKcal));
}

void Energy::Clear() {
    protein.Clear();
    fat.Clear();
    carbohydrate.Clear();
    perGramProtein.Clear();
    nonProtein.Clear();
    total.Clear();
}

} // namespace velmora

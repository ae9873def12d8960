#include "EnteralFeed.h"

namespace velmora {

namespace {

// Compositions are per 100 ml.
constexpr long double Per100Ml = 0.01L;

void CalcAmountPerKg(Nutrient &nutrient, float gramsPer100Ml, float volumePerKg) {
    nutrient.amount.perKg.Assign(static_cast<long double>(gramsPer100Ml) * volumePerKg * Per100Ml);
}

} // namespace

EnteralFeed::EnteralFeed()
    : volume(21, 250), feedCount(0, 15), protein(4.0), fat(9.3), carbohydrate(4.0) {}

void EnteralFeed::CalcNutrients(const DataItem &weight) {
    protein.Clear();
    fat.Clear();
    carbohydrate.Clear();
    if (!volume.perKg.IsValid() || !preparat.valid)
        return;
    CalcAmountPerKg(protein, preparat.protein, volume.perKg.value);
    CalcAmountPerKg(fat, preparat.fat, volume.perKg.value);
    CalcAmountPerKg(carbohydrate, preparat.carbohydrate, volume.perKg.value);
    protein.Recalc(weight);
    fat.Recalc(weight);
    carbohydrate.Recalc(weight);
}

void EnteralFeed::CalcFeedVolumes() {
    feedVolume.Clear();
    // 0 feeds is a valid entry but has no single-feed volume.
    if (!feedCount.IsValid() || !(feedCount.value > 0.0f))
        return;
    if (volume.perKg.IsValid())
        feedVolume.perKg.Assign(static_cast<long double>(volume.perKg.value) / feedCount.value);
    if (volume.perDay.IsValid())
        feedVolume.perDay.Assign(static_cast<long double>(volume.perDay.value) / feedCount.value);
}

void EnteralFeed::Clear() {
    preparat.Reset();
    volume.Clear();
    feedVolume.Clear();
    feedCount.Clear();
    protein.Clear();
    fat.Clear();
    carbohydrate.Clear();
}

} // namespace velmora

#pragma once

#include "EnteralPreparat.h"
#include "Nutrient.h"

namespace velmora {

// The enteral feeding: the chosen feed, the daily and single-feed volumes and the nutrients
// the feed supplies.
class EnteralFeed {
public:
    EnteralFeed();

    // Protein, fat and carbohydrate per kg from the feed's composition and volume.perKg, then
    // their daily amounts and energy.
    void CalcNutrients(const DataItem &weight);
    // Volume of one feed, per kg and per child.
    void CalcFeedVolumes();
    // Resets the feed and clears every value.
    void Clear();

    EnteralPreparat preparat;
    Element volume;     // ml/kg/day (21 to 250) and ml/day
    Element feedVolume; // ml per feed per kg and ml per feed
    DataItem feedCount; // feeds per day, 0 to 15
    Nutrient protein;
    Nutrient fat;
    Nutrient carbohydrate;
};

} // namespace velmora

#pragma once

#include "Element.h"

namespace velmora {

// Energy provision of one route (or of all): kcal/day from protein, fat and carbohydrate, the
// total and non-protein energy per kg and per day, and non-protein kcal per gram of protein.
class Energy {
public:
    void SetSources(float proteinKcal, float fatKcal, float carbohydrateKcal);
    void Recalc(const DataItem &weight);
    void Clear();

    DataItem protein;
    DataItem fat;
    DataItem carbohydrate;
    DataItem perGramProtein;
    Element nonProtein;
    Element total;
};

} // namespace velmora

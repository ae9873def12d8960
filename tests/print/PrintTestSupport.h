#pragma once

#include "NutritionModel.h"
#include "PrintContext.h"
#include "PrintText.h"

#include <string>

// Code page 1251 text of a UTF-8 literal, as the engine draws it.
inline std::string T(std::u8string_view utf8) {
    return velmora::PrintText(utf8);
}

// The overall balance example: weight 1.5 kg, "Грудное молоко зрелое" at 150 ml/kg/day in 6
// feeds, then amino acids 3 g/kg/day, fat 2 g/kg/day and glucose 6 mg/kg/min, typed with a
// comma as the decimal separator.
inline void EnterBalanceExample(velmora::NutritionModel &model) {
    model.FillCatalogue();
    model.Edit("e_MT", "1,5", ',');
    const std::string feed = T(u8"Грудное молоко зрелое");
    for (int i = 0; i < velmora::NutritionModel::EnteralFeedCount; ++i)
        if (model.EnteralCatalogue[i].name == feed)
            model.EnteralPreparatChosen(i);
    model.Edit("e_SumVolume_kg", "150", ',');
    model.Edit("e_FeedNumber", "6", ',');
    model.Edit("e_ParProtein_kg", "3", ',');
    model.Edit("e_ParFat_kg", "2", ',');
    model.Edit("e_CarbonRate_kg", "6", ',');
}

// A context with a fixed clock, so that pages are reproducible.
inline velmora::PrintContext FixedContext(const velmora::NutritionModel &model,
                                          char separator = ',') {
    return {&model, separator, [] { return std::string("9.1.2027"); },
            [] { return std::string("9:5"); }};
}

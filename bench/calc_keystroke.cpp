// What one keystroke in the weight field costs: parse the text, run the weight-change
// recalculation on a model where every input is filled, and format every display table.
#include "NutritionModel.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace {

using velmora::Display;
using velmora::DisplayRow;
using velmora::NutritionModel;

constexpr Display AllDisplays[] = {Display::Needs,           Display::Parenteral,
                                   Display::ParenteralDoses, Display::Programme,
                                   Display::Enteral,         Display::Balance};

void FillEverything(NutritionModel &model) {
    model.FillCatalogue();
    const std::pair<const char *, const char *> inputs[] = {
        {"e_MT", "1,5"},           {"e_GestAge", "32"},         {"e_LifeDay", "5"},
        {"e_NeedNa_kg", "46"},     {"e_NeedK_kg", "78"},        {"e_NeedCa_kg", "40"},
        {"e_NeedMg_kg", "6"},      {"e_TotalWater_kg", "150"},  {"e_SumVolume_kg", "30"},
        {"e_FeedNumber", "8"},     {"e_NeedProtein_kg", "3,5"}, {"e_NeedFat_kg", "3"},
        {"e_NeedCarbon_kg", "12"}, {"e_KCl_kg", "2"},           {"e_Ca_kg", "2"},
        {"e_NaCl10_kg", "1"},      {"e_NaCl9_kg", "0,5"},       {"e_MgSO4_kg", "1"},
        {"e_MainInfTime", "24"},   {"e_EmulsionTime", "20"},    {"e_PreparatVolume", "5"},
    };
    for (const auto &[control, text] : inputs)
        model.Edit(control, text, ',');
    model.EnteralPreparatChosen(1);
}

// Every display table to text, as the window writes them.
void FormatAllDisplays(const NutritionModel &model) {
    for (Display display : AllDisplays) {
        for (const DisplayRow &row : model.Show(display)) {
            std::string text = row.Text(',');
            benchmark::DoNotOptimize(text);
        }
    }
}

void BM_WeightKeystroke(benchmark::State &state) {
    NutritionModel model;
    FillEverything(model);
    const char *weights[] = {"1,5", "1,6"};
    unsigned n = 0;
    for (auto _ : state) {
        model.Edit("e_MT", weights[n++ & 1], ',');
        FormatAllDisplays(model);
    }
}
BENCHMARK(BM_WeightKeystroke);

// The two halves of the keystroke, to see where the time goes.
void BM_WeightRecalculation(benchmark::State &state) {
    NutritionModel model;
    FillEverything(model);
    const char *weights[] = {"1,5", "1,6"};
    unsigned n = 0;
    for (auto _ : state) {
        auto result = model.Edit("e_MT", weights[n++ & 1], ',');
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_WeightRecalculation);

void BM_FormatAllDisplays(benchmark::State &state) {
    NutritionModel model;
    FillEverything(model);
    for (auto _ : state)
        FormatAllDisplays(model);
}
BENCHMARK(BM_FormatAllDisplays);

} // namespace

BENCHMARK_MAIN();

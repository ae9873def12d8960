// The products the calculator knows. Compositions are fixed; the doctor cannot edit them.
#include "NutritionModel.h"
#include "Utf8Cp1251.h"

namespace velmora {

namespace {

struct Feed {
    const char *name;                         // UTF-8 here, code page 1251 in the model
    float protein, fat, carbohydrate, energy; // per 100 ml
};

constexpr std::array<Feed, NutritionModel::EnteralFeedCount> Feeds{{
    {"Грудное молоко переходное", 2.2f, 4.4f, 7.7f, 81.5f},
    {"Грудное молоко зрелое", 1.2f, 4.0f, 7.0f, 70.0f},
    {"Грудное молоко+ Friso", 1.9f, 4.0f, 9.2f, 82.0f},
    {"Пре-нутрилон", 2.5f, 4.4f, 7.6f, 80.0f},
    {"ПреНАН 15%", 2.3f, 4.2f, 8.6f, 80.0f},
    {"ПреНАН 13,5%", 2.2f, 3.6f, 7.5f, 70.0f},
    {"Пепти -ТСЦ", 1.8f, 3.6f, 7.0f, 65.0f},
    {"Semilac Premium 1*", 1.42f, 3.46f, 7.23f, 67.0f},
    {"Semilac Special Care", 2.2f, 4.4f, 8.6f, 83.0f},
    {"Semilac Neosure", 1.9f, 4.1f, 7.7f, 74.0f},
    {"Semilac 1", 1.42f, 3.46f, 7.39f, 66.4f},
    {"Semilac Isomil", 1.71f, 3.48f, 7.2f, 67.0f},
    {"Semilac Гипоаллергенный", 1.5f, 3.22f, 7.76f, 66.0f},
    {"Nutrilon 1", 1.3f, 3.4f, 7.4f, 65.8f},
    {"Nutrilon Комфорт 1", 1.5f, 3.4f, 7.1f, 65.0f},
    {"Nutrilon Гипоаллергенный 1", 1.5f, 3.4f, 7.2f, 65.4f},
    {"Nutrilon Кисломолочный 1", 1.4f, 3.1f, 8.0f, 65.8f},
}};

// The list shows this one feed under another spelling than the catalogue (and the protocol).
constexpr int RenamedListItem = 8;
constexpr const char *RenamedListText = "Similac Special Care";

void FillParenteral(ParenteralPreparat &preparat, const char *name, int index,
                    float concentration) {
    preparat.Reset();
    preparat.SetName(Utf8ToCp1251(name));
    preparat.SetIndex(index);
    preparat.SetConcentration(concentration);
    preparat.SetValid(true);
}

} // namespace

void NutritionModel::FillCatalogue() {
    FillParenteral(AminoAcidPreparat, "Аминовен инфант 10%", 1, 0.1f);
    FillParenteral(FatEmulsionPreparat, "Жировая эмульсия 20%", 2, 0.2f);
    FillParenteral(GlucosePreparat, "Глюкоза 40%", 3, 0.4f);

    for (int i = 0; i < EnteralFeedCount; ++i) {
        EnteralPreparat &entry = EnteralCatalogue[i];
        const Feed &feed = Feeds[i];
        entry.Reset();
        entry.SetName(Utf8ToCp1251(feed.name));
        entry.SetIndex(i);
        entry.SetProtein(feed.protein);
        entry.SetFat(feed.fat);
        entry.SetCarbohydrate(feed.carbohydrate);
        entry.SetEnergy(feed.energy);
        entry.SetValid(true);
    }

    AminoAcidSolution.preparat.Assign(AminoAcidPreparat);
    FatEmulsion.preparat.Assign(FatEmulsionPreparat);
    GlucoseSolution.preparat.Assign(GlucosePreparat);
}

const std::array<std::string, NutritionModel::EnteralFeedCount> &EnteralPreparatListTexts() {
    static const auto texts = [] {
        std::array<std::string, NutritionModel::EnteralFeedCount> list;
        for (int i = 0; i < NutritionModel::EnteralFeedCount; ++i)
            list[i] = Utf8ToCp1251(i == RenamedListItem ? RenamedListText : Feeds[i].name);
        return list;
    }();
    return texts;
}

} // namespace velmora

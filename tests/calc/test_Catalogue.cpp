#include "FakeWindow.h"
#include "Utf8Cp1251.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

class CatalogueDisplay : public BothSeparators {};

TEST(Catalogue, SeventeenFeedsWithItemEightSpelledDifferentlyInTheList) {
    NutritionModel model;
    model.FillCatalogue();
    const auto &list = EnteralPreparatListTexts();
    for (int i = 0; i < NutritionModel::EnteralFeedCount; ++i) {
        EXPECT_TRUE(model.EnteralCatalogue[i].valid);
        EXPECT_EQ(model.EnteralCatalogue[i].index, i);
        if (i != 8) {
            EXPECT_EQ(list[i], model.EnteralCatalogue[i].name);
        }
    }
    for (int i = NutritionModel::EnteralFeedCount; i < NutritionModel::CatalogueSize; ++i)
        EXPECT_FALSE(model.EnteralCatalogue[i].valid);
    EXPECT_EQ(list[1], Utf8ToCp1251("Грудное молоко зрелое"));
    EXPECT_EQ(list[8], "Similac Special Care");

    model.EnteralPreparatChosen(8);
    EXPECT_EQ(model.EnteralFeeding.preparat.name, "Semilac Special Care");
    EXPECT_EQ(model.EnteralFeeding.preparat.index, 8);
    EXPECT_TRUE(model.EnteralFeeding.preparat.valid);
}

TEST(Catalogue, ParenteralSolutionsReceiveTheirPreparations) {
    NutritionModel model;
    model.FillCatalogue();
    EXPECT_EQ(model.AminoAcidSolution.preparat.name, Utf8ToCp1251("Аминовен инфант 10%"));
    EXPECT_EQ(model.FatEmulsion.preparat.index, 2);
    EXPECT_EQ(model.GlucoseSolution.preparat.concentration, 0.4f);
    EXPECT_TRUE(model.GlucoseSolution.preparat.valid);
}

TEST_P(CatalogueDisplay, SolutionVolumesFollowTheConcentration) {
    w.Type("e_ParProtein_kg", "3");
    w.Type("e_ParFat_kg", "2");
    w.Type("e_NeedCarbon_kg", "10"); // proposes 10 g/kg/day of glucose
    ExpectShown(w, {{"e_ProteinVolume_kg", "30,00"},
                    {"e_FatVolume_kg", "10,00"},
                    {"e_ParCarbon_kg", "10,00"},
                    {"e_CarbonVolume_kg", "25,00"}});
}

TEST_P(CatalogueDisplay, ElectrolyteVolumeIsDoseTimesWeightTimesMlPerMmol) {
    w.Type("e_MT", "1,5");
    w.Type("e_KCl_kg", "2");
    ExpectShown(w, {{"e_KCl_day", "5,55"}, {"e_KCl", "5,55"}});
    EXPECT_EQ(w.fields["e_KCl_day"], GetParam() == ',' ? "5,55" : "5.55");
}

TEST(Catalogue, ChoosingOutsideTheFilledListDoesNothing) {
    FakeWindow w;
    w.Type("e_SumVolume_kg", "150");
    for (int index : {-1, 17, 19, 20}) {
        EXPECT_TRUE(w.model.EnteralPreparatChosen(index).empty());
        EXPECT_FALSE(w.model.EnteralFeeding.preparat.valid);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, CatalogueDisplay, ::testing::Values(',', '.'));

} // namespace

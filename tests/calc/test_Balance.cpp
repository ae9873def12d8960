#include "FakeWindow.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

class Balance : public BothSeparators {};

TEST_P(Balance, FeedFirstThenParenteralDoses) {
    w.Type("e_MT", "1,5");
    w.Choose(1);
    w.Type("e_SumVolume_kg", "150");
    w.Type("e_ParProtein_kg", "3");
    w.Type("e_ParFat_kg", "2");
    w.Type("e_CarbonRate_kg", "6");
    ExpectShown(w, {
                       {"e_TotalProtein_kg", "4,80"},
                       {"e_TotalProtein_day", "7,20"},
                       {"e_TotalFat_kg", "8,00"},
                       {"e_TotalFat_day", "12,00"},
                       {"e_TotalCarbon_kg", "19,14"},
                       {"e_TotalCarbon_day", "28,71"},
                       {"e_TotalFatEnergy_kg", "75,80"},
                       {"e_TotalFatEnergy_day", "113,70"},
                       {"e_TotalCarbonEnergy_kg", "76,56"},
                       {"e_TotalCarbonEnergy_day", "114,84"},
                       {"e_TotalNonproteinEnergy_kg", "152,36"},
                       {"e_TotalNonproteinEnergy_day", "228,54"},
                       {"e_TotalEnergy_kg", "171,56"},
                       {"e_TotalEnergy_day", "257,34"},
                       {"e_TotalEnergyRate_kg", "31,74"},
                       {"e_TotalEnergyRate_day", "31,74"},
                   });
}

// Without needs, choosing the feed after typing the doses replaces them by absent proposals:
// only the enteral part is left in the balance.
TEST_P(Balance, DosesBeforeFeedAreReplacedByTheProposals) {
    w.Type("e_MT", "1,5");
    w.Type("e_ParProtein_kg", "3");
    w.Type("e_ParFat_kg", "2");
    w.Type("e_CarbonRate_kg", "6");
    w.Type("e_SumVolume_kg", "150");
    w.Choose(1);
    ExpectShown(w, {{"e_ParProtein_kg", ""},
                    {"e_ParFat_kg", ""},
                    {"e_CarbonRate_kg", ""},
                    {"e_TotalProtein_kg", "1,80"},
                    {"e_TotalFat_kg", "6,00"},
                    {"e_TotalCarbon_kg", "10,50"},
                    {"e_TotalEnergy_day", "157,50"},
                    {"e_TotalEnergyRate_kg", "54,33"}});
}

TEST_P(Balance, NothingToAddGivesEmptyTotalsAndAllFluidAsWater) {
    w.Type("e_MT", "1,5");
    w.Type("e_TotalWater_kg", "150");
    for (const DisplayRow &row : w.model.ShowBalance())
        EXPECT_EQ(w.Text(row.control), "") << row.control;
    ExpectShown(w, {{"e_InjVolume", "225,00"}, {"e_MainInfVolume", ""}});
}

// "Новый расчет" writes the emptied inputs back without the guard; emptying the enteral volume
// re-proposes the doses from the needs that stay, per kilogram only.
TEST_P(Balance, NewCalculationReproposesDosesFromTheNeeds) {
    w.Type("e_MT", "1,5");
    w.Type("e_NeedProtein_kg", "3");
    w.Type("e_NeedCarbon_kg", "12");
    w.Choose(1);
    w.Type("e_SumVolume_kg", "150");
    w.NewCalculation();
    ExpectShown(w, {{"e_MT", ""},
                    {"e_SumVolume_kg", ""},
                    {"e_ParProtein_kg", "3,00"},
                    {"e_ProteinVolume_kg", "30,00"},
                    {"e_CarbonRate_kg", "8,33"},
                    {"e_TotalProtein_kg", "3,00"},
                    {"e_ParProtein_day", ""},
                    {"e_NeedProtein_day", ""},
                    {"e_TotalProtein_day", ""},
                    {"e_EntProtein_kg", ""}});
    EXPECT_FALSE(w.model.EnteralFeeding.preparat.valid);
    EXPECT_EQ(w.model.EnteralFeeding.preparat.index, -1);
}

INSTANTIATE_TEST_SUITE_P(Separators, Balance, ::testing::Values(',', '.'));

} // namespace

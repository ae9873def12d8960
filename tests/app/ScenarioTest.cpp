// Worked calculations typed end to end, key by key, with a comma as the decimal separator.
#include "GuiFixture.h"

#include <QLineEdit>

namespace {

TEST_F(GuiTest, TwentyFourHourProgrammeTypedEndToEnd) {
    Type("e_MT", QStringLiteral("1,5"));
    Type("e_TotalWater_kg", QStringLiteral("150"));
    Type("e_ParProtein_kg", QStringLiteral("3"));
    Type("e_ParFat_kg", QStringLiteral("2"));
    Type("e_CarbonRate_kg", QStringLiteral("6"));
    Type("e_KCl_kg", QStringLiteral("2"));
    Type("e_Ca_kg", QStringLiteral("2"));
    Type("e_NaCl10_kg", QStringLiteral("1"));
    Type("e_MgSO4_kg", QStringLiteral("1"));
    Type("e_PreparatVolume", QStringLiteral("5"));
    Type("e_MainInfTime", QStringLiteral("24"));
    Type("e_EmulsionTime", QStringLiteral("20"));

    ExpectFields({// parenteral tab
                  {"e_ParProtein_day", "4,50"},
                  {"e_ProteinVolume_kg", "30,00"},
                  {"e_ProteinVolume_day", "45,00"},
                  {"e_ParFat_day", "3,00"},
                  {"e_FatVolume_kg", "10,00"},
                  {"e_FatVolume_day", "15,00"},
                  {"e_ParFatEnergy_kg", "20,00"},
                  {"e_ParFatEnergy_day", "30,00"},
                  {"e_CarbonRate_day", "9,00"},
                  {"e_ParCarbon_kg", "8,64"},
                  {"e_ParCarbon_day", "12,96"},
                  {"e_CarbonVolume_kg", "21,60"},
                  {"e_CarbonVolume_day", "32,40"},
                  {"e_ParCarbonEnergy_kg", "34,56"},
                  {"e_ParCarbonEnergy_day", "51,84"},
                  {"e_ParNonproteinEnergy_kg", "54,56"},
                  {"e_ParNonproteinEnergy_day", "81,84"},
                  {"e_ParEnergyRate_kg", "18,19"},
                  {"e_ParEnergyRate_day", "18,19"},
                  {"e_ParTotalEnergy_kg", "66,56"},
                  {"e_ParTotalEnergy_day", "99,84"},
                  // electrolytes, each volume twice
                  {"e_KCl_day", "5,55"},
                  {"e_KCl", "5,55"},
                  {"e_Ca_day", "9,99"},
                  {"e_Ca", "9,99"},
                  {"e_NaCl10_day", "0,88"},
                  {"e_NaCl10", "0,88"},
                  {"e_NaCl9_day", ""},
                  {"e_NaCl9", ""},
                  {"e_MgSO4_day", "0,75"},
                  {"e_MgSO4", "0,75"},
                  // the programme
                  {"e_TotalWater_day", "225,00"},
                  {"e_InjectWater", "110,43"},
                  {"e_ProteinVolume", "45,00"},
                  {"e_CarbonVolume", "32,40"},
                  {"e_SummaryVolume", "205,00"},
                  {"e_DryMass", "17,46"},
                  {"e_Konc", "8,52"},
                  {"e_MainInfRate", "8,54"},
                  {"e_EmulsionVolume", "15,00"},
                  {"e_EmulsionRate", "0,75"},
                  // fluid balance
                  {"e_TotalVolume", "225,00"},
                  {"e_EntVol", ""},
                  {"e_InjVolume", "110,43"},
                  {"e_MainInfVolume", "109,57"},
                  {"e_PrepVolume", "5,00"},
                  {"e_TotalConcGlu", "6,32"}});

    // 30 ml/kg/day of enteral feed (45 ml/day) replaces the typed doses by the (absent)
    // proposals; typed again, they leave 45 ml less water for dilution.
    Type("e_SumVolume_kg", QStringLiteral("30"));
    ExpectFields({{"e_ParProtein_kg", ""}, {"e_EntVol", "45,00"}});
    Retype("e_ParProtein_kg", QStringLiteral("3"));
    Retype("e_ParFat_kg", QStringLiteral("2"));
    Retype("e_CarbonRate_kg", QStringLiteral("6"));
    ExpectFields(
        {{"e_InjectWater", "65,43"}, {"e_InjVolume", "65,43"}, {"e_SummaryVolume", "160,00"}});

    // Without the glucose the main solution holds none.
    Erase("e_CarbonRate_kg");
    ExpectFields({{"e_CarbonRate_kg", ""}, {"e_TotalConcGlu", ""}, {"e_ParCarbon_kg", ""}});
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(GuiTest, OverallBalanceOfFeedAndParenteralDosesTypedEndToEnd) {
    Type("e_MT", QStringLiteral("1,5"));
    ChooseFeed(1); // "Грудное молоко зрелое"
    Type("e_SumVolume_kg", QStringLiteral("150"));
    Type("e_FeedNumber", QStringLiteral("6"));
    Type("e_ParProtein_kg", QStringLiteral("3"));
    Type("e_ParFat_kg", QStringLiteral("2"));
    Type("e_CarbonRate_kg", QStringLiteral("6"));

    ExpectFields({// enteral tab
                  {"e_SumVolume_day", "225,00"},
                  {"e_FeedVolume_kg", "25,00"},
                  {"e_FeedVolume_day", "37,50"},
                  {"e_EntProtein_kg", "1,80"},
                  {"e_EntProtein_day", "2,70"},
                  {"e_EntFat_kg", "6,00"},
                  {"e_EntFat_day", "9,00"},
                  {"e_EntCarbon_kg", "10,50"},
                  {"e_EntCarbon_day", "15,75"},
                  {"e_EntFatEnergy_kg", "55,80"},
                  {"e_EntFatEnergy_day", "83,70"},
                  {"e_EntCarbonEnergy_kg", "42,00"},
                  {"e_EntCarbonEnergy_day", "63,00"},
                  {"e_EntNonproteinEnergy_kg", "97,80"},
                  {"e_EntNonproteinEnergy_day", "146,70"},
                  {"e_EntTotalEnergy_kg", "105,00"},
                  {"e_EntTotalEnergy_day", "157,50"},
                  {"e_EntEnergyRate_kg", "54,33"},
                  {"e_EntEnergyRate_day", "54,33"},
                  // overall balance
                  {"e_TotalProtein_kg", "4,80"},
                  {"e_TotalProtein_day", "7,20"},
                  {"e_TotalFat_kg", "8,00"},
                  {"e_TotalFat_day", "12,00"},
                  {"e_TotalFatEnergy_kg", "75,80"},
                  {"e_TotalFatEnergy_day", "113,70"},
                  {"e_TotalCarbon_kg", "19,14"},
                  {"e_TotalCarbon_day", "28,71"},
                  {"e_TotalCarbonEnergy_kg", "76,56"},
                  {"e_TotalCarbonEnergy_day", "114,84"},
                  {"e_TotalNonproteinEnergy_kg", "152,36"},
                  {"e_TotalNonproteinEnergy_day", "228,54"},
                  {"e_TotalEnergyRate_kg", "31,74"},
                  {"e_TotalEnergyRate_day", "31,74"},
                  {"e_TotalEnergy_kg", "171,56"},
                  {"e_TotalEnergy_day", "257,34"},
                  // fluid balance without a fluid volume
                  {"e_TotalVolume", ""},
                  {"e_EntVol", "225,00"},
                  {"e_InjVolume", ""},
                  {"e_MainInfVolume", "92,40"},
                  {"e_PrepVolume", ""},
                  {"e_TotalConcGlu", "16,74"}});
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(GuiTest, ChoosingTheFeedAfterTheDosesLeavesOnlyTheEnteralPartWithoutNeeds) {
    Type("e_MT", QStringLiteral("1,5"));
    Type("e_SumVolume_kg", QStringLiteral("150"));
    Type("e_ParProtein_kg", QStringLiteral("3"));
    Type("e_ParFat_kg", QStringLiteral("2"));
    Type("e_CarbonRate_kg", QStringLiteral("6"));
    ChooseFeed(1);
    ExpectFields({{"e_ParProtein_kg", ""},
                  {"e_ParFat_kg", ""},
                  {"e_CarbonRate_kg", ""},
                  {"e_TotalProtein_kg", "1,80"},
                  {"e_TotalFat_kg", "6,00"},
                  {"e_TotalCarbon_kg", "10,50"},
                  {"e_TotalEnergy_day", "157,50"}});
    EXPECT_TRUE(Messages().isEmpty());
}

} // namespace

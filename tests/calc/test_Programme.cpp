#include "FakeWindow.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

class Programme : public BothSeparators {
protected:
    void SetUp() override {
        w.Type("e_MT", "1,5");
        w.Type("e_TotalWater_kg", "150");
        w.Type("e_ParProtein_kg", "3");
        w.Type("e_ParFat_kg", "2");
        w.Type("e_CarbonRate_kg", "6");
        w.Type("e_KCl_kg", "2");
        w.Type("e_Ca_kg", "2");
        w.Type("e_NaCl10_kg", "1");
        w.Type("e_MgSO4_kg", "1");
        w.Type("e_PreparatVolume", "5");
        w.Type("e_MainInfTime", "24");
        w.Type("e_EmulsionTime", "20");
    }
};

TEST_P(Programme, TwentyFourHourProgramme) {
    ExpectShown(w, {
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
                       {"e_TotalWater_day", "225,00"},
                       {"e_TotalVolume", "225,00"},
                       {"e_InjectWater", "110,43"},
                       {"e_InjVolume", "110,43"},
                       {"e_ProteinVolume", "45,00"},
                       {"e_CarbonVolume", "32,40"},
                       {"e_SummaryVolume", "205,00"},
                       {"e_MainInfVolume", "109,57"},
                       {"e_PrepVolume", "5,00"},
                       {"e_DryMass", "17,46"},
                       {"e_Konc", "8,52"},
                       {"e_MainInfRate", "8,54"},
                       {"e_EmulsionVolume", "15,00"},
                       {"e_EmulsionRate", "0,75"},
                       {"e_TotalConcGlu", "6,32"},
                       {"e_EntVol", ""},
                   });
}

TEST_P(Programme, EnteralVolumeAboveTwentyMlPerDayIsTakenFromTheFluid) {
    // A new enteral volume re-proposes the doses (none without needs): type them again.
    w.Type("e_SumVolume_kg", "30"); // 45 ml/day; no feed chosen, so only the volume counts
    w.Type("e_ParProtein_kg", "3");
    w.Type("e_ParFat_kg", "2");
    w.Type("e_CarbonRate_kg", "6");
    ExpectShown(w, {{"e_InjectWater", "65,43"}, {"e_EntVol", "45,00"}});

    // 21 ml/kg/day at 0.9 kg is 18.9 ml/day: not subtracted.
    w.Type("e_MT", "0,9");
    w.Type("e_SumVolume_kg", "21");
    EXPECT_FLOAT_EQ(w.model.EnteralFeeding.volume.perDay.value, 18.9f);
    // 135 ml fluid − 10.3032 electrolytes − 5 medications; the doses were re-proposed away.
    ExpectShown(w, {{"e_InjectWater", "119,70"}, {"e_EntVol", "18,90"}});
}

TEST_P(Programme, WithoutFluidVolumeTheMainSolutionHasNoWater) {
    w.Type("e_TotalWater_kg", "");
    ExpectShown(w, {{"e_InjectWater", ""},
                    {"e_TotalWater_day", ""},
                    {"e_SummaryVolume", "94,57"}}); // 45 + 32.4 + 17.172
}

TEST_P(Programme, OverfilledProgrammeHasNoDilutionWater) {
    w.Type("e_TotalWater_kg", "50"); // 75 ml/day, less than the solutions alone
    ExpectShown(w, {{"e_InjectWater", ""}, {"e_SummaryVolume", "94,57"}});
}

TEST_P(Programme, RemovingGlucoseEmptiesItsConcentration) {
    w.Type("e_CarbonRate_kg", "");
    ExpectShown(w, {{"e_TotalConcGlu", ""}, {"e_CarbonVolume", ""}, {"e_DryMass", "4,50"}});
}

TEST_P(Programme, ZeroHoursIsValidButGivesNoRate) {
    EXPECT_EQ(w.Type("e_MainInfTime", "0").outcome, ParseOutcome::Valid);
    EXPECT_EQ(w.Type("e_EmulsionTime", "0").outcome, ParseOutcome::Valid);
    ExpectShown(w, {{"e_MainInfRate", ""}, {"e_EmulsionRate", ""}});
    EXPECT_EQ(w.model.MainInfusion.rate, 0.0f);
    EXPECT_EQ(w.model.FatInfusion.rate, 0.0f);
    // A rate must stay absent through a full recalculation too.
    w.Type("e_MT", "1,6");
    EXPECT_EQ(w.model.MainInfusion.rate, 0.0f);
    EXPECT_EQ(w.Type("e_MainInfTime", "25").outcome, ParseOutcome::TooHigh);
}

TEST_P(Programme, NewCalculationKeepsOnlyTheNeedsAndAges) {
    w.Type("e_NeedNa_kg", "40");
    w.Type("e_GestAge", "30");
    w.NewCalculation();
    for (const InputField &field : InputFields()) {
        const std::string control(field.control);
        const bool kept = control == "e_NeedNa_kg" || control == "e_GestAge";
        EXPECT_EQ(field.item(w.model).valid, kept) << control;
    }
    for (Display d : {Display::Parenteral, Display::Programme, Display::Balance, Display::Enteral,
                      Display::Needs})
        for (const DisplayRow &row : w.model.Show(d))
            EXPECT_EQ(w.Text(row.control), "") << row.control;
    EXPECT_FALSE(w.model.MedicationVolume.valid);
    EXPECT_FALSE(w.model.AminoAcidPreparat.valid);
    EXPECT_EQ(w.model.AminoAcidPreparat.index, -1);
    // The solutions keep their copies: a new calculation still works.
    w.Type("e_ParProtein_kg", "3");
    ExpectShown(w, {{"e_ProteinVolume_kg", "30,00"}});
}

INSTANTIATE_TEST_SUITE_P(Separators, Programme, ::testing::Values(',', '.'));

} // namespace

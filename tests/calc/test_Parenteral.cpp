#include "FakeWindow.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

class Parenteral : public BothSeparators {
protected:
    void TypeDoses() {
        w.Type("e_ParProtein_kg", "3");
        w.Type("e_ParFat_kg", "2");
        w.Type("e_CarbonRate_kg", "6");
    }
};

TEST_P(Parenteral, ThreeDosesAtOneAndAHalfKilogram) {
    w.Type("e_MT", "1,5");
    TypeDoses();
    ExpectShown(w, {
                       {"e_ParProtein_day", "4,50"},
                       {"e_ProteinVolume_kg", "30,00"},
                       {"e_ProteinVolume_day", "45,00"},
                       {"e_ParFat_day", "3,00"},
                       {"e_FatVolume_kg", "10,00"},
                       {"e_FatVolume_day", "15,00"},
                       {"e_EmulsionVolume", "15,00"},
                       {"e_ParFatEnergy_kg", "20,00"},
                       {"e_ParFatEnergy_day", "30,00"},
                       {"e_CarbonRate_day", "9,00"},
                       {"e_ParCarbon_kg", "8,64"},
                       {"e_ParCarbon_day", "12,96"},
                       {"e_CarbonVolume_kg", "21,60"},
                       {"e_CarbonVolume_day", "32,40"},
                       {"e_ParCarbonEnergy_kg", "34,56"},
                       {"e_ParCarbonEnergy_day", "51,84"},
                       {"e_ParTotalEnergy_kg", "66,56"},
                       {"e_ParTotalEnergy_day", "99,84"},
                       {"e_ParNonproteinEnergy_kg", "54,56"},
                       {"e_ParNonproteinEnergy_day", "81,84"},
                       {"e_ParEnergyRate_kg", "18,19"},
                       {"e_ParEnergyRate_day", "18,19"},
                   });
    EXPECT_FLOAT_EQ(w.model.ParenteralEnergy.protein.value, 18.0f);
}

TEST_P(Parenteral, WithoutWeightOnlyPerKilogramValuesShow) {
    TypeDoses();
    ExpectShown(w, {{"e_ProteinVolume_kg", "30,00"},
                    {"e_ParCarbon_kg", "8,64"},
                    {"e_CarbonVolume_kg", "21,60"},
                    {"e_ParProtein_day", ""},
                    {"e_ProteinVolume_day", ""},
                    {"e_CarbonRate_day", ""},
                    {"e_ParFatEnergy_kg", ""},
                    {"e_ParCarbonEnergy_kg", ""},
                    {"e_ParTotalEnergy_kg", ""},
                    {"e_ParEnergyRate_kg", ""}});

    // The weight typed afterwards fills in every daily value.
    w.Type("e_MT", "1,5");
    ExpectShown(w, {{"e_ParProtein_day", "4,50"}, {"e_ParTotalEnergy_day", "99,84"}});
}

TEST_P(Parenteral, EmptyingOrExceedingADoseRemovesItsShare) {
    w.Type("e_MT", "1,5");
    TypeDoses();
    EXPECT_EQ(w.Type("e_CarbonRate_kg", "15").outcome, ParseOutcome::TooHigh);
    ExpectShown(w, {{"e_ParCarbon_kg", ""},
                    {"e_CarbonVolume_day", ""},
                    {"e_ParCarbonEnergy_day", ""},
                    {"e_ParTotalEnergy_day", "48,00"}, // 18 protein + 30 fat
                    {"e_ParEnergyRate_kg", "6,67"}});
    w.Type("e_ParFat_kg", "");
    ExpectShown(w, {{"e_ParTotalEnergy_day", "18,00"},
                    {"e_ParNonproteinEnergy_day", ""},
                    {"e_ParEnergyRate_kg", ""}});
}

TEST_P(Parenteral, ZeroDoseIsValidButDerivesNothing) {
    w.Type("e_MT", "1,5");
    EXPECT_EQ(w.Type("e_ParProtein_kg", "0").outcome, ParseOutcome::Valid);
    ExpectShown(
        w, {{"e_ParProtein_day", ""}, {"e_ProteinVolume_kg", ""}, {"e_ProteinVolume_day", ""}});
}

TEST_P(Parenteral, MaximumGlucoseRateStaysInsideTheDoseLimit) {
    w.Type("e_CarbonRate_kg", "14");
    ExpectShown(w, {{"e_ParCarbon_kg", "20,16"}});
}

TEST_P(Parenteral, TooSmallWeightIsFlaggedForTheLeaveCheck) {
    w.Type("e_MT", "1,5");
    TypeDoses();
    EXPECT_EQ(w.Type("e_MT", "0,05").outcome, ParseOutcome::TooLow);
    EXPECT_TRUE(w.model.BodyWeight.tooLow);
    EXPECT_TRUE(FindInputField("e_MT")->leaveCheck);
    // The weight is absent: every daily value is gone.
    ExpectShown(
        w, {{"e_ParProtein_day", ""}, {"e_CarbonRate_day", ""}, {"e_ProteinVolume_kg", "30,00"}});
}

// Unreadable text leaves the value absent; the recalculation still runs so that no figure on
// screen stays computed from the text the field held before.
TEST_P(Parenteral, UnreadableTextEmptiesWhatDependedOnTheOldValue) {
    w.Type("e_MT", "1,5");
    TypeDoses();
    EXPECT_EQ(w.Type("e_MT", ",").outcome, ParseOutcome::Unreadable);
    EXPECT_FALSE(w.model.BodyWeight.valid);
    ExpectShown(w, {{"e_ParProtein_day", ""}, {"e_ParTotalEnergy_day", ""}});
    EXPECT_FALSE(w.model.AminoAcidSolution.dose.amount.perDay.valid);
}

TEST_P(Parenteral, TypedDoseStaysWhenOtherFieldsChange) {
    w.Type("e_MT", "1,5");
    w.Type("e_NeedProtein_kg", "3");
    w.Type("e_ParProtein_kg", "2");
    w.Type("e_KCl_kg", "2");
    w.Type("e_NeedFat_kg", "2");
    w.Type("e_MT", "1,6");
    EXPECT_FLOAT_EQ(w.model.AminoAcidSolution.dose.amount.perKg.value, 2.0f);
    // The matching need replaces it by the proposal again.
    w.Type("e_NeedProtein_kg", "3,5");
    ExpectShown(w, {{"e_ParProtein_kg", "3,50"}});
}

INSTANTIATE_TEST_SUITE_P(Separators, Parenteral, ::testing::Values(',', '.'));

} // namespace

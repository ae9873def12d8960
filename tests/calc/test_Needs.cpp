#include "FakeWindow.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

class Needs : public BothSeparators {};

TEST_P(Needs, ProteinNeedIsProposedAsTheAminoAcidDose) {
    w.Type("e_MT", "1,2");
    w.Type("e_NeedProtein_kg", "3,5");
    ExpectShown(w, {{"e_NeedProtein_day", "4,20"},
                    {"e_ParProtein_kg", "3,50"}, // a proposal is written into the dose field
                    {"e_ParProtein_day", "4,20"},
                    {"e_ProteinVolume_kg", "35,00"},
                    {"e_TotalProtein_kg", "3,50"}});
    EXPECT_FLOAT_EQ(w.model.ProteinNeed.proposal.perDay.value, 4.2f);
}

TEST_P(Needs, ProposalsAreLimitedToTheLargestDose) {
    w.Type("e_NeedFat_kg", "3,5");
    w.Type("e_NeedCarbon_kg", "25");
    ExpectShown(w, {{"e_ParFat_kg", "3,00"}, {"e_ParCarbon_kg", "16,00"}});
}

TEST_P(Needs, CarbohydrateNeedSetsGlucoseDoseAndRate) {
    w.Type("e_MT", "1,5");
    w.Type("e_NeedCarbon_kg", "10");
    ExpectShown(w, {{"e_NeedCarbon_day", "15,00"},
                    {"e_ParCarbon_kg", "10,00"},
                    {"e_CarbonRate_kg", "6,94"},
                    {"e_CarbonRate_day", "10,42"},
                    {"e_CarbonVolume_kg", "25,00"}});

    // Emptying the need empties the dose and the rate derived from it.
    w.Type("e_NeedCarbon_kg", "");
    ExpectShown(w, {{"e_NeedCarbon_day", ""},
                    {"e_ParCarbon_kg", ""},
                    {"e_CarbonRate_kg", ""},
                    {"e_CarbonRate_day", ""},
                    {"e_CarbonVolume_kg", ""},
                    {"e_ParCarbonEnergy_day", ""}});
    EXPECT_FALSE(w.model.GlucoseRate.perKg.valid);
}

TEST_P(Needs, WithoutWeightOnlyPerKilogramValuesAreProposed) {
    w.Type("e_NeedProtein_kg", "3");
    w.Type("e_NeedNa_kg", "40");
    ExpectShown(w, {{"e_ParProtein_kg", "3,00"},
                    {"e_ProteinVolume_kg", "30,00"},
                    {"e_NeedProtein_day", ""},
                    {"e_ParProtein_day", ""},
                    {"e_NeedNa_day", ""}});
}

TEST_P(Needs, EnteralShareIsDeductedFromTheNeed) {
    // Mature breast milk at 150 ml/kg/day supplies 1.8 g/kg/day protein, 6 fat, 10.5 carbs.
    w.Type("e_MT", "1,5");
    w.Type("e_SumVolume_kg", "150");
    w.Choose(1);
    w.Type("e_NeedProtein_kg", "3");
    w.Type("e_NeedFat_kg", "2"); // less than the feed supplies
    ExpectShown(w,
                {{"e_ParProtein_kg", "1,20"}, {"e_ParProtein_day", "1,80"}, {"e_ParFat_kg", ""}});
    EXPECT_FALSE(w.model.FatEmulsion.dose.amount.perKg.valid);
    EXPECT_FLOAT_EQ(w.model.ProteinNeed.enteral.perDay.value, 2.7f);
}

// A large deficit beside an enteral feed still proposes the maximum, as it does without one.
TEST_P(Needs, DeficitAboveTheMaximumIsLimitedAlsoWithAnEnteralShare) {
    w.Type("e_SumVolume_kg", "150");
    w.Choose(1);
    w.Type("e_NeedProtein_kg", "9"); // 9 − 1.8 = 7.2 > 4
    w.Type("e_NeedCarbon_kg", "25"); // 25 − 10.5 = 14.5 < 16
    w.Type("e_NeedFat_kg", "10");    // 10 − 6 = 4 > 3
    ExpectShown(
        w, {{"e_ParProtein_kg", "4,00"}, {"e_ParCarbon_kg", "14,50"}, {"e_ParFat_kg", "3,00"}});
}

TEST_P(Needs, WeightChangeRefreshesDailyNeedsButKeepsTypedDoses) {
    w.Type("e_MT", "1");
    w.Type("e_NeedProtein_kg", "3");
    w.Type("e_NeedK_kg", "2");
    w.Type("e_TotalWater_kg", "150");
    w.Type("e_ParProtein_kg", "2,5"); // the doctor overrides the proposal
    const EditResult result = w.Type("e_MT", "2");
    EXPECT_TRUE(result.displays.Contains(Display::Needs));
    EXPECT_FALSE(result.displays.Contains(Display::ParenteralDoses));
    ExpectShown(w, {{"e_NeedProtein_day", "6,00"},
                    {"e_NeedK_day", "4,00"},
                    {"e_TotalWater_day", "300,00"},
                    {"e_ParProtein_kg", "2,5"},
                    {"e_ParProtein_day", "5,00"}});
    EXPECT_FLOAT_EQ(w.model.ProteinNeed.proposal.perDay.value, 6.0f);

    w.Type("e_MT", "");
    ExpectShown(w, {{"e_NeedProtein_day", ""}, {"e_NeedK_day", ""}, {"e_ParProtein_day", ""}});
    EXPECT_FALSE(w.model.ProteinNeed.proposal.perDay.valid);
}

TEST_P(Needs, AgeFieldsAreCheckedAndKeptButCalculateNothing) {
    EXPECT_EQ(w.Type("e_GestAge", "14").outcome, ParseOutcome::TooLow);
    EXPECT_EQ(w.Type("e_GestAge", "46").outcome, ParseOutcome::TooHigh);
    EXPECT_EQ(w.Type("e_GestAge", "32").outcome, ParseOutcome::Valid);
    EXPECT_TRUE(w.Type("e_LifeDay", "3").displays.empty());
    w.NewCalculation();
    EXPECT_EQ(w.model.GestationalAge.value, 32.0f);
    EXPECT_EQ(w.model.LifeDay.value, 3.0f);
}

INSTANTIATE_TEST_SUITE_P(Separators, Needs, ::testing::Values(',', '.'));

} // namespace

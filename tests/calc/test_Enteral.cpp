#include "FakeWindow.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

class Enteral : public BothSeparators {};

TEST_P(Enteral, MatureBreastMilkAtOneHundredFiftyMlPerKilogram) {
    w.Type("e_MT", "1,5");
    w.Choose(1);
    w.Type("e_SumVolume_kg", "150");
    w.Type("e_FeedNumber", "6");
    ExpectShown(w, {
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
                   });

    // The weight recomputes every enteral figure (but proposes nothing).
    w.Type("e_MT", "2");
    ExpectShown(w, {{"e_SumVolume_day", "300,00"},
                    {"e_FeedVolume_day", "50,00"},
                    {"e_EntProtein_day", "3,60"},
                    {"e_EntTotalEnergy_day", "210,00"}});
}

TEST_P(Enteral, VolumeLimitsAndFeedCount) {
    w.Type("e_MT", "1");
    w.Choose(1);
    w.Type("e_FeedNumber", "6");
    // Below 21 ml/kg/day the volume is absent without a message.
    EXPECT_EQ(w.Type("e_SumVolume_kg", "20").outcome, ParseOutcome::TooLow);
    EXPECT_FALSE(FindInputField("e_SumVolume_kg")->leaveCheck);
    ExpectShown(w, {{"e_SumVolume_day", ""},
                    {"e_FeedVolume_kg", ""},
                    {"e_EntProtein_kg", ""},
                    {"e_EntTotalEnergy_day", ""}});
    EXPECT_EQ(w.Type("e_SumVolume_kg", "21").outcome, ParseOutcome::Valid);
    ExpectShown(w, {{"e_SumVolume_day", "21,00"}, {"e_FeedVolume_kg", "3,50"}});
    EXPECT_EQ(w.Type("e_SumVolume_kg", "251").outcome, ParseOutcome::TooHigh);

    EXPECT_EQ(w.Type("e_FeedNumber", "16").outcome, ParseOutcome::TooHigh);
    w.Type("e_SumVolume_kg", "150");
    ExpectShown(w, {{"e_FeedVolume_kg", ""}});
    EXPECT_EQ(w.Type("e_FeedNumber", "0").outcome, ParseOutcome::Valid);
    ExpectShown(w, {{"e_FeedVolume_kg", ""}, {"e_FeedVolume_day", ""}});
}

TEST_P(Enteral, WithoutAFeedOnlyVolumesAreComputed) {
    w.Type("e_MT", "1,5");
    w.Type("e_SumVolume_kg", "150");
    w.Type("e_FeedNumber", "6");
    ExpectShown(w, {{"e_SumVolume_day", "225,00"},
                    {"e_FeedVolume_day", "37,50"},
                    {"e_EntProtein_kg", ""},
                    {"e_EntTotalEnergy_kg", ""}});
}

TEST_P(Enteral, FeedChangeReplacesTypedDosesByProposals) {
    w.Type("e_MT", "1,5");
    w.Type("e_NeedProtein_kg", "3");
    w.Type("e_NeedCarbon_kg", "12");
    w.Type("e_ParProtein_kg", "2"); // lost on the next feed change
    w.Type("e_SumVolume_kg", "150");
    w.Choose(1);
    ExpectShown(
        w, {{"e_ParProtein_kg", "1,20"}, {"e_ParCarbon_kg", "1,50"}, {"e_CarbonRate_kg", "1,04"}});

    // With the volume field emptied the shares become absent and the full needs are proposed.
    w.Type("e_SumVolume_kg", "");
    w.Choose(3);
    ExpectShown(w, {{"e_ParProtein_kg", "3,00"}, {"e_ParCarbon_kg", "12,00"}});
    EXPECT_FALSE(w.model.ProteinNeed.enteral.perKg.valid);
}

INSTANTIATE_TEST_SUITE_P(Separators, Enteral, ::testing::Values(',', '.'));

} // namespace

#include "GuiFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

// Every edit on the tabs other than "Потребности".
QList<QLineEdit *> FieldsOfTabs1To4(TNutriFrom &window) {
    QList<QLineEdit *> fields;
    for (QWidget *tab : {window.TabSheet3, window.TabSheet1, window.TabSheet2, window.TabSheet4})
        for (QLineEdit *edit : tab->findChildren<QLineEdit *>())
            if (edit->parent() != window.EnteralPreparatCbx)
                fields.append(edit);
    return fields;
}

TEST_F(GuiTest, NewCalculationWithoutEnteralVolumeEmptiesAllButTheNeeds) {
    Type("e_GestAge", QStringLiteral("32"));
    Type("e_LifeDay", QStringLiteral("5"));
    Type("e_NeedProtein_kg", QStringLiteral("3,5"));
    Type("e_NeedNa_kg", QStringLiteral("3"));
    Type("e_TotalWater_kg", QStringLiteral("150"));
    Type("e_MT", QStringLiteral("1,5"));
    ChooseFeed(3); // a feed without an enteral volume
    Type("e_ParFat_kg", QStringLiteral("2"));
    Type("e_CarbonRate_kg", QStringLiteral("6"));
    Type("e_KCl_kg", QStringLiteral("2"));
    Type("e_MainInfTime", QStringLiteral("24"));
    Type("e_EmulsionTime", QStringLiteral("20"));
    Type("e_PreparatVolume", QStringLiteral("5"));
    Type("e_FeedNumber", QStringLiteral("6"));
    ASSERT_EQ(Text("e_ParProtein_kg"), QStringLiteral("3,50"));
    ASSERT_EQ(Text("e_InjectWater"), QStringLiteral("114,55"));

    QTest::mouseClick(Window().ClearBtn, Qt::LeftButton);

    EXPECT_EQ(Text("e_MT"), QString());
    for (QLineEdit *edit : FieldsOfTabs1To4(Window()))
        EXPECT_EQ(edit->text(), QString()) << edit->objectName().toStdString();
    EXPECT_EQ(Window().EnteralPreparatCbx->currentIndex(), -1);
    EXPECT_FALSE(Window().Model().EnteralFeeding.preparat.valid);
    // The needs and the age stay; their daily figures went with the weight. The fluid volume
    // belongs to the programme and is cleared with it.
    ExpectFields({{"e_GestAge", "32"},
                  {"e_LifeDay", "5"},
                  {"e_NeedProtein_kg", "3,5"},
                  {"e_NeedNa_kg", "3"},
                  {"e_NeedProtein_day", ""},
                  {"e_NeedNa_day", ""},
                  {"e_TotalWater_kg", ""},
                  {"e_TotalWater_day", ""}});
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(GuiTest, NewCalculationAfterAnEnteralVolumeProposesTheDosesFromTheNeedsAgain) {
    Type("e_MT", QStringLiteral("1,5"));
    Type("e_NeedProtein_kg", QStringLiteral("3,5"));
    Type("e_NeedFat_kg", QStringLiteral("3,5"));
    Type("e_NeedCarbon_kg", QStringLiteral("10"));
    ChooseFeed(1);
    Type("e_SumVolume_kg", QStringLiteral("150"));
    // Need minus the enteral share of "Грудное молоко зрелое" at 150 ml/kg/day.
    ASSERT_EQ(Text("e_ParProtein_kg"), QStringLiteral("1,70"));

    QTest::mouseClick(Window().ClearBtn, Qt::LeftButton);

    ExpectFields({// proposed again from the full needs, per kilogram only
                  {"e_ParProtein_kg", "3,50"},
                  {"e_ProteinVolume_kg", "35,00"},
                  {"e_ParFat_kg", "3,00"},
                  {"e_FatVolume_kg", "15,00"},
                  {"e_CarbonRate_kg", "6,94"},
                  {"e_ParCarbon_kg", "10,00"},
                  {"e_CarbonVolume_kg", "25,00"},
                  {"e_TotalProtein_kg", "3,50"},
                  {"e_TotalFat_kg", "3,00"},
                  {"e_TotalCarbon_kg", "10,00"},
                  // the weight is gone, so nothing per day and no energy
                  {"e_MT", ""},
                  {"e_ParProtein_day", ""},
                  {"e_ProteinVolume_day", ""},
                  {"e_CarbonRate_day", ""},
                  {"e_ParCarbon_day", ""},
                  {"e_ParFatEnergy_kg", ""},
                  {"e_ParTotalEnergy_kg", ""},
                  {"e_TotalProtein_day", ""},
                  {"e_TotalEnergy_kg", ""},
                  {"e_NeedProtein_day", ""},
                  {"e_EmulsionVolume", ""},
                  {"e_SummaryVolume", ""},
                  // the enteral feeding is reset
                  {"e_SumVolume_kg", ""},
                  {"e_EntProtein_kg", ""},
                  {"e_EntVol", ""},
                  // the needs stay
                  {"e_NeedProtein_kg", "3,5"},
                  {"e_NeedFat_kg", "3,5"},
                  {"e_NeedCarbon_kg", "10"}});
    EXPECT_EQ(Window().EnteralPreparatCbx->currentIndex(), -1);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(GuiTest, NewCalculationRunsChangeHandlingOnlyForFieldsWhoseTextChanges) {
    Type("e_TotalWater_kg", QStringLiteral("150"));
    QSignalSpy weight(Edit("e_MT"), &QLineEdit::textChanged);
    QSignalSpy fluid(Edit("e_TotalWater_kg"), &QLineEdit::textChanged);

    QTest::mouseClick(Window().ClearBtn, Qt::LeftButton);

    EXPECT_EQ(weight.count(), 0);
    EXPECT_EQ(fluid.count(), 1);
    EXPECT_FALSE(Window().Model().FluidVolume.perKg.IsValid());
    EXPECT_TRUE(Messages().isEmpty());
}

} // namespace

#include "GuiFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

void ExpectOneMessage(const QList<Dialogs::Shown> &shown, const char *text) {
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Dialogs::Kind::Message);
    EXPECT_EQ(shown[0].text, QString::fromUtf8(text));
}

TEST_F(GuiTest, BothSeparatorKeysTypeTheUsersSeparatorOnce) {
    Type("e_MT", QStringLiteral("1.5.,"));
    EXPECT_EQ(Text("e_MT"), QStringLiteral("1,5"));
    EXPECT_FLOAT_EQ(Window().Model().BodyWeight.Value(), 1.5f);

    // The separator inside the selection that the key would replace still counts.
    Edit("e_MT")->selectAll();
    QTest::keyClick(Edit("e_MT"), '.');
    EXPECT_EQ(Text("e_MT"), QStringLiteral("1,5"));

    Type("e_FeedNumber", QStringLiteral("6,."));
    EXPECT_EQ(Text("e_FeedNumber"), QStringLiteral("6"));
}

TEST_F(GuiTest, LettersMinusAndBlankHaveNoEffectInAnyNumericField) {
    for (const velmora::InputField &field : velmora::InputFields()) {
        const QByteArray name(field.control.data(), field.control.size());
        Type(name.constData(), QStringLiteral("a- xE+"));
        // Cyrillic letters as a Russian keyboard layout delivers them.
        for (const QString &letter :
             {QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("й"), QStringLiteral("Ж")})
            QTest::sendKeyEvent(QTest::Click, Edit(name.constData()), Qt::Key_unknown, letter,
                                Qt::NoModifier);
        EXPECT_EQ(Text(name.constData()), QString()) << name.constData();
    }
}

TEST_F(GuiTest, TooLargeWeightIsReportedAtOnceAndEmptiesEveryDailyValue) {
    Type("e_MT", QStringLiteral("1,5"));
    Type("e_ParProtein_kg", QStringLiteral("3"));
    Type("e_TotalWater_kg", QStringLiteral("150"));
    ASSERT_EQ(Text("e_ParProtein_day"), QStringLiteral("4,50"));

    Retype("e_MT", QStringLiteral("6"));
    ExpectOneMessage(Messages(), TooHigh);
    EXPECT_EQ(QApplication::focusWidget(), Edit("e_MT"));
    EXPECT_EQ(Text("e_MT"), QStringLiteral("6"));
    EXPECT_FALSE(Window().Model().BodyWeight.IsValid());
    ExpectFields({{"e_ParProtein_day", ""},
                  {"e_ProteinVolume_day", ""},
                  {"e_TotalWater_day", ""},
                  {"e_TotalProtein_day", ""},
                  {"e_ProteinVolume_kg", "30,00"}}); // per kg stays
}

TEST_F(GuiTest, TooSmallWeightIsReportedOnLeavingAndTheFocusReturns) {
    Type("e_MT", QStringLiteral("0,05"));
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(Window().Model().BodyWeight.IsTooLow());

    Leave("e_MT");
    ExpectOneMessage(Messages(), TooLow);
    EXPECT_EQ(QApplication::focusWidget(), Edit("e_MT"));

    // The flag stays until the next change, so leaving again warns again.
    Leave("e_MT");
    ExpectOneMessage(Messages(), TooLow);

    Retype("e_MT", QStringLiteral("0,1"));
    Leave("e_MT");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(GuiTest, OnlyTheSixCheckedFieldsWarnWhenLeftBelowTheirMinimum) {
    // Gestational age below 15 weeks warns; an enteral volume below 21 ml/kg/day is just absent.
    Type("e_GestAge", QStringLiteral("14"));
    Leave("e_GestAge");
    ExpectOneMessage(Messages(), TooLow);
    Retype("e_GestAge", QStringLiteral("30"));

    Type("e_SumVolume_kg", QStringLiteral("10"));
    Leave("e_SumVolume_kg");
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(Window().Model().EnteralFeeding.volume.perKg.IsTooLow());
}

TEST_F(GuiTest, PuttingTheFocusBackIsNotLeavingTheFieldThatHadIt) {
    // Both age fields below their minimum (written by program, so no message yet), the focus
    // moving from one to the other: one message for the field left, not an endless exchange.
    Edit("e_GestAge")->setText(QStringLiteral("1"));
    Edit("e_LifeDay")->setText(QStringLiteral("0"));
    Edit("e_GestAge")->setFocus(Qt::MouseFocusReason);
    Edit("e_LifeDay")->setFocus(Qt::MouseFocusReason);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    ExpectOneMessage(Messages(), TooLow);
    EXPECT_EQ(QApplication::focusWidget(), Edit("e_GestAge"));
}

// Clicking another tab hides the field being left; taking the focus back brings its tab to the
// front again, so that what the user types next goes into a field they can see.
TEST_F(GuiTest, TooSmallFieldLeftForAnotherTabIsShownAgainWithTheFocus) {
    Type("e_GestAge", QStringLiteral("14"));
    QTabBar *tabs = Window().PageControl1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
    QCoreApplication::processEvents();
    ExpectOneMessage(Messages(), TooLow);
    EXPECT_EQ(Window().PageControl1->currentWidget(), Window().TabSheet5);
    EXPECT_EQ(QApplication::focusWidget(), Edit("e_GestAge"));
    EXPECT_TRUE(Edit("e_GestAge")->isVisible());
}

TEST_F(GuiTest, SixteenFeedsAreTooManyAtTheSecondDigit) {
    Type("e_FeedNumber", QStringLiteral("1"));
    EXPECT_TRUE(Messages().isEmpty());
    Type("e_FeedNumber", QStringLiteral("6"));
    ExpectOneMessage(Messages(), TooHigh);
    EXPECT_FALSE(Window().Model().EnteralFeeding.feedCount.IsValid());
    EXPECT_EQ(QApplication::focusWidget(), Edit("e_FeedNumber"));
}

TEST_F(GuiTest, EnteralVolumeBelowTwentyOneIsAbsentWithoutAMessage) {
    Type("e_MT", QStringLiteral("1,5"));
    ChooseFeed(1);
    Type("e_SumVolume_kg", QStringLiteral("10"));
    EXPECT_TRUE(Messages().isEmpty());
    ExpectFields({{"e_SumVolume_day", ""}, {"e_EntProtein_kg", ""}, {"e_EntVol", ""}});

    Retype("e_SumVolume_kg", QStringLiteral("25"));
    EXPECT_TRUE(Messages().isEmpty());
    ExpectFields(
        {{"e_SumVolume_day", "37,50"}, {"e_EntProtein_kg", "0,30"}, {"e_EntVol", "37,50"}});
}

TEST_F(GuiTest, ADoseOfZeroIsValidAndShowsNothingDerived) {
    Type("e_MT", QStringLiteral("1,5"));
    Type("e_ParProtein_kg", QStringLiteral("0"));
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(Window().Model().AminoAcidSolution.dose.amount.perKg.IsValid());
    ExpectFields({{"e_ParProtein_kg", "0"},
                  {"e_ParProtein_day", ""},
                  {"e_ProteinVolume_kg", ""},
                  {"e_ProteinVolume_day", ""},
                  {"e_TotalProtein_kg", ""}});
    Leave("e_ParProtein_kg"); // 0 is the minimum itself: no warning
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(GuiTest, UnreadableTextIsReportedAsAnErrorAndLeavesTheValueAbsent) {
    Type("e_ParFat_kg", QStringLiteral("2"));
    Type("e_MT", QStringLiteral("1,5"));
    ASSERT_EQ(Text("e_ParFat_day"), QStringLiteral("3,00"));

    // The field holds a separator, so it must be emptied before a lone one can be typed.
    Erase("e_MT");
    Type("e_MT", QStringLiteral(","));
    QList<Dialogs::Shown> shown = Messages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(Text("e_MT"), QStringLiteral(","));
    EXPECT_FALSE(Window().Model().BodyWeight.IsValid());
    // Nothing on screen still derives from the weight the field held before.
    EXPECT_EQ(Text("e_ParFat_day"), QString());

    // "ё" passes the key filter through its low seven bits and cannot be read either.
    Retype("e_MT", QStringLiteral("1"));
    QTest::sendKeyEvent(QTest::Click, Edit("e_MT"), Qt::Key_unknown, QStringLiteral("ё"),
                        Qt::NoModifier);
    EXPECT_EQ(Text("e_MT"), QStringLiteral("1ё"));
    shown = Messages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Ошибка"));
    EXPECT_FALSE(Window().Model().BodyWeight.IsValid());
}

TEST_F(GuiTest, ProposedDosesAreWrittenWithoutBeingTakenAsInput) {
    Type("e_MT", QStringLiteral("1,2"));
    Type("e_NeedProtein_kg", QStringLiteral("3,5"));
    ExpectFields({{"e_ParProtein_kg", "3,50"}, {"e_ParProtein_day", "4,20"}});
    // The proposal arrives under the display guard: the rate keeps its full precision rather
    // than being re-read from the two-decimal text (6,94 would give 9,99 g/kg/day).
    Type("e_NeedCarbon_kg", QStringLiteral("10"));
    ExpectFields({{"e_CarbonRate_kg", "6,94"}, {"e_ParCarbon_kg", "10,00"}});
    EXPECT_NEAR(Window().Model().GlucoseRate.perKg.Value(), 6.9444444f, 1e-5f);
    EXPECT_TRUE(Messages().isEmpty());
}

} // namespace

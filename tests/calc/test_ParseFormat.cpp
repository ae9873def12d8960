#include "DataItem.h"
#include "DisplayText.h"
#include "NutritionModel.h"
#include "Utf8Cp1251.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace velmora;

namespace {

struct ParseCase {
    const char *text; // ',' stands for the user's separator
    ParseOutcome outcome;
    float value;
};

class ParseText : public ::testing::TestWithParam<char> {};

TEST_P(ParseText, ReadsFieldTextsIntoTheWeight) {
    const char sep = GetParam();
    const ParseCase cases[] = {
        {"", ParseOutcome::Empty, 0},
        {"1,5", ParseOutcome::Valid, 1.5f},
        {"5", ParseOutcome::Valid, 5.0f},   // maximum is inclusive
        {"0,1", ParseOutcome::Valid, 0.1f}, // so is the minimum
        {"1,", ParseOutcome::Valid, 1.0f},  // separator typed last
        {",5", ParseOutcome::Valid, 0.5f},  // separator typed first
        {"007", ParseOutcome::TooHigh, 0},
        {"5,01", ParseOutcome::TooHigh, 0},
        {"6", ParseOutcome::TooHigh, 0},
        {"0,05", ParseOutcome::TooLow, 0},
        {"0", ParseOutcome::TooLow, 0},
        {"99999999999999999999999999999999999999999999", ParseOutcome::TooHigh, 0},
        {"0000000000000000000000000000000000000000000000000000000000000000000001,5",
         ParseOutcome::Valid, 1.5f},
        {",", ParseOutcome::Unreadable, 0},
        {"1,2,3", ParseOutcome::Unreadable, 0},
        {"-1", ParseOutcome::Unreadable, 0},
        {"1 5", ParseOutcome::Unreadable, 0},
        {"1e3", ParseOutcome::Unreadable, 0},
    };
    for (const ParseCase &c : cases) {
        std::string text = c.text;
        for (char &ch : text)
            if (ch == ',')
                ch = sep;
        DataItem weight(0.1, 5);
        weight.Assign(2.0); // a previous value must never survive a parse
        weight.tooHigh = true;
        const ParseOutcome outcome = weight.ParseText(text, sep);
        SCOPED_TRACE(text);
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(weight.valid, c.outcome == ParseOutcome::Valid);
        EXPECT_EQ(weight.tooLow, c.outcome == ParseOutcome::TooLow);
        EXPECT_EQ(weight.tooHigh, c.outcome == ParseOutcome::TooHigh);
        EXPECT_EQ(weight.value, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, ParseText, ::testing::Values(',', '.'));

TEST(ParseText, OtherSeparatorThanTheUsersIsUnreadable) {
    DataItem dose(0, 6);
    EXPECT_EQ(dose.ParseText("1.5", ','), ParseOutcome::Unreadable);
    EXPECT_FALSE(dose.valid);
}

TEST(ParseText, ZeroIsAValidEntryWhereTheMinimumIsZero) {
    DataItem item(0, 500);
    EXPECT_EQ(item.ParseText("0", ','), ParseOutcome::Valid);
    EXPECT_TRUE(item.valid);
    EXPECT_EQ(item.ParseText("0,00000000000000000000000000000000000000000000001", ','),
              ParseOutcome::Valid);
    EXPECT_EQ(item.value, 0.0f);
}

TEST(Assign, LowerLimitIsExclusiveAndOutOfRangeIsAbsent) {
    const struct {
        long double v;
        bool valid;
        float value;
    } cases[] = {
        {0, false, 0},    {-1, false, 0},       {0.5L, true, 0.5f},
        {500, true, 500}, {500.001L, false, 0}, {std::nanl(""), false, 0},
    };
    for (const auto &c : cases) {
        DataItem item(0, 500);
        item.tooLow = true;
        item.Assign(c.v);
        EXPECT_EQ(item.valid, c.valid) << static_cast<double>(c.v);
        EXPECT_EQ(item.value, c.value) << static_cast<double>(c.v);
        EXPECT_FALSE(item.tooLow);
    }
}

TEST(FormatQuantity, TwoDecimalsEmptyForNothingAndHalvesAwayFromZero) {
    const struct {
        float x;
        const char *text;
    } cases[] = {
        {0.0f, ""},
        {-3.0f, ""},
        {std::nanf(""), ""},
        {1.0f, "1,00"},
        {5.55f, "5,55"},
        {0.125f, "0,13"}, // an exact binary half
        {2.675f, "2,68"}, // the float is a hair below 2.675 but stands for it
        {1.005f, "1,01"},
        {2.674f, "2,67"},
        {0.004f, "0,00"}, // positive, shown although it rounds to nothing
        {0.005f, "0,01"},
        {110.428f, "110,43"},
        {999999.0f, "999999,00"},
        {1.0e20f, "100000002004087734272,00"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FormatQuantity(c.x, ','), c.text) << c.x;
    }
    EXPECT_EQ(FormatQuantity(6.94444f, '.'), "6.94");
}

TEST(DisplayText, DateAndTimeWithoutLeadingZeros) {
    std::tm when{};
    when.tm_mday = 9;
    when.tm_mon = 11;
    when.tm_year = 126;
    when.tm_hour = 9;
    when.tm_min = 5;
    EXPECT_EQ(DateText(when), "9.12.2026");
    EXPECT_EQ(TimeText(when), "9:5");
}

TEST(Cp1251, CyrillicAndPunctuationRoundTrip) {
    const std::string utf8 = "Ёжик ёлка: АЯ аяъ № «x» — …";
    const std::string cp = Utf8ToCp1251(utf8);
    EXPECT_EQ(cp,
              "\xA8\xE6\xE8\xEA \xB8\xEB\xEA\xE0: \xC0\xDF \xE0\xFF\xFA \xB9 \xABx\xBB \x97 \x85");
    EXPECT_EQ(Cp1251ToUtf8(cp), utf8);
    EXPECT_EQ(Utf8ToCp1251("a\xE2\x82\xAC\xD0"), "a??"); // € unmapped, truncated sequence
}

TEST(InputFields, TableMatchesTheWindowsFields) {
    const struct {
        const char *control;
        float min, max;
        KeyClass keys;
        bool leaveCheck;
    } expected[] = {
        {"e_MT", 0.1f, 5, KeyClass::Decimal, true},
        {"e_GestAge", 15, 45, KeyClass::Digits, true},
        {"e_LifeDay", 1, 365, KeyClass::Digits, true},
        {"e_NeedProtein_kg", 0, 10, KeyClass::Decimal, false},
        {"e_NeedFat_kg", 0, 10, KeyClass::Decimal, false},
        {"e_NeedCarbon_kg", 0, 25, KeyClass::Decimal, false},
        {"e_TotalWater_kg", 0, 500, KeyClass::Decimal, false},
        {"e_NeedNa_kg", 0, 500, KeyClass::Decimal, false},
        {"e_NeedK_kg", 0, 500, KeyClass::Decimal, false},
        {"e_NeedCa_kg", 0, 500, KeyClass::Decimal, false},
        {"e_NeedMg_kg", 0, 500, KeyClass::Decimal, false},
        {"e_FeedNumber", 0, 15, KeyClass::Digits, false},
        {"e_SumVolume_kg", 21, 250, KeyClass::Decimal, false},
        {"e_ParProtein_kg", 0, 6, KeyClass::Decimal, true},
        {"e_ParFat_kg", 0, 4, KeyClass::Decimal, true},
        {"e_CarbonRate_kg", 0, 14, KeyClass::Decimal, true},
        {"e_KCl_kg", 0, 100, KeyClass::Decimal, false},
        {"e_Ca_kg", 0, 500, KeyClass::Decimal, false},
        {"e_NaCl10_kg", 0, 500, KeyClass::Decimal, false},
        {"e_NaCl9_kg", 0, 500, KeyClass::Decimal, false},
        {"e_MgSO4_kg", 0, 500, KeyClass::Decimal, false},
        {"e_MainInfTime", 0, 24, KeyClass::Decimal, false},
        {"e_EmulsionTime", 0, 24, KeyClass::Decimal, false},
        {"e_PreparatVolume", 0, 500, KeyClass::Decimal, false},
    };
    NutritionModel model;
    ASSERT_EQ(InputFields().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const InputField &field = InputFields()[i];
        SCOPED_TRACE(expected[i].control);
        EXPECT_EQ(field.control, expected[i].control);
        EXPECT_EQ(field.keys, expected[i].keys);
        EXPECT_EQ(field.leaveCheck, expected[i].leaveCheck);
        const DataItem &item = field.item(model);
        EXPECT_EQ(item.min, expected[i].min);
        EXPECT_EQ(item.max, expected[i].max);
        EXPECT_EQ(FindInputField(expected[i].control), &field);
    }
    EXPECT_EQ(FindInputField("e_NeedProtein_day"), nullptr);

    // Each field owns its own model value.
    std::set<const DataItem *> items;
    for (const InputField &field : InputFields())
        items.insert(&field.item(model));
    EXPECT_EQ(items.size(), InputFields().size());
}

} // namespace

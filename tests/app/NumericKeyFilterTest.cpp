#include "NumericKeyFilter.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct KeyCase {
    const char *typed; // UTF-8, one character
    NumericKeys keys;
    const char *fieldText;
    KeyVerdict::Action action;
    const char *inserted; // for Replace
};

// Names a case by what is typed into which text, so listings and failures read as the table does.
void PrintTo(const KeyCase &c, std::ostream *os) {
    const QString typed = QString::fromUtf8(c.typed);
    *os << "U+" << std::hex << std::uppercase << (typed.isEmpty() ? 0 : typed.front().unicode())
        << std::dec << " into '" << c.fieldText << "' of a "
        << (c.keys == NumericKeys::Decimal ? "decimal" : "digit") << " field";
}

class NumericKeyFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumericKeyFilterTest, DecidesByTheLowSevenBitsOfTheCodePageByte) {
    const KeyCase &c = GetParam();
    const QString typed = QString::fromUtf8(c.typed);
    ASSERT_EQ(typed.size(), 1);
    const KeyVerdict verdict =
        FilterNumericKey(typed.front(), c.keys, QString::fromUtf8(c.fieldText), QLatin1Char(','));
    EXPECT_EQ(verdict.action, c.action);
    if (c.action == KeyVerdict::Replace) {
        EXPECT_EQ(QString(verdict.replacement), QString::fromUtf8(c.inserted));
    }
}

constexpr NumericKeys Dec = NumericKeys::Decimal;
constexpr NumericKeys Dig = NumericKeys::Digits;

INSTANTIATE_TEST_SUITE_P(
    Keys, NumericKeyFilterTest,
    ::testing::Values(
        // Digits and backspace pass in both kinds of field.
        KeyCase{"0", Dec, "", KeyVerdict::Accept, ""},
        KeyCase{"9", Dig, "12", KeyVerdict::Accept, ""},
        KeyCase{"\b", Dec, "1,5", KeyVerdict::Accept, ""},
        // Both separators type the user's one, once.
        KeyCase{".", Dec, "", KeyVerdict::Replace, ","},
        KeyCase{",", Dec, "1", KeyVerdict::Replace, ","},
        KeyCase{".", Dec, "1,", KeyVerdict::Discard, ""},
        KeyCase{",", Dec, ",5", KeyVerdict::Discard, ""},
        // No separator in a digit field.
        KeyCase{",", Dig, "", KeyVerdict::Discard, ""},
        KeyCase{".", Dig, "1", KeyVerdict::Discard, ""},
        // Letters, minus, blank, other control characters.
        KeyCase{"a", Dec, "", KeyVerdict::Discard, ""},
        KeyCase{"-", Dec, "", KeyVerdict::Discard, ""},
        KeyCase{" ", Dec, "", KeyVerdict::Discard, ""},
        KeyCase{"+", Dec, "", KeyVerdict::Discard, ""},
        KeyCase{"e", Dec, "1", KeyVerdict::Discard, ""},
        KeyCase{"\t", Dec, "", KeyVerdict::Discard, ""},
        KeyCase{"\r", Dig, "", KeyVerdict::Discard, ""},
        // Cyrillic letters: by Unicode code point "а".."й" would read as "0".."9"; by their code
        // page 1251 byte they are refused.
        KeyCase{"а", Dec, "", KeyVerdict::Discard, ""},
        KeyCase{"й", Dec, "", KeyVerdict::Discard, ""},
        KeyCase{"и", Dig, "", KeyVerdict::Discard, ""},
        KeyCase{"Ж", Dec, "", KeyVerdict::Discard, ""},
        // A character outside the code page becomes "?" and is refused.
        KeyCase{"中", Dec, "", KeyVerdict::Discard, ""},
        KeyCase{"ü", Dig, "", KeyVerdict::Discard, ""},
        // Bytes whose low seven bits are a digit or a separator pass as the original program let
        // them: "ё" (0xB8) as a digit, "¬" (0xAC) and "®" (0xAE) as separators.
        KeyCase{"ё", Dec, "", KeyVerdict::Accept, ""},
        KeyCase{"¬", Dec, "", KeyVerdict::Replace, ","},
        KeyCase{"®", Dec, "1", KeyVerdict::Replace, ","}));

TEST(NumericKeyFilter, TypesAFullStopWhenThatIsTheUsersSeparator) {
    const KeyVerdict verdict =
        FilterNumericKey(QLatin1Char(','), NumericKeys::Decimal, QString(), QLatin1Char('.'));
    EXPECT_EQ(verdict.action, KeyVerdict::Replace);
    EXPECT_EQ(verdict.replacement, QLatin1Char('.'));
    // A comma in the text is not the separator here and does not block one.
    EXPECT_EQ(FilterNumericKey(QLatin1Char('.'), NumericKeys::Decimal, QStringLiteral("1,"),
                               QLatin1Char('.'))
                  .action,
              KeyVerdict::Replace);
}

} // namespace

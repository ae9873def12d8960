#include "AppDirFixture.h"
#include "Convert.h"
#include "CyrillicRefs.h"

#include <gtest/gtest.h>

TEST(Cp1251, RoundTripsEveryByteAndMarksMissingCharacters) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    EXPECT_EQ(ToCp1251(FromCp1251(all)), all);

    EXPECT_EQ(ToCp1251(QString::fromUtf8("АЯая Ёё №")), "\xC0\xDF\xE0\xFF \xA8\xB8 \xB9");
    EXPECT_EQ(FromCp1251("\xCF\xF0\xE8"), QString::fromUtf8("При"));
    // Characters the code page lacks become "?", a surrogate pair included; a real SUB stays.
    EXPECT_EQ(ToCp1251(QString::fromUtf8("a\u4E2Db\U0001F600c\x1A")), "a?b?c\x1A");
}

TEST(CyrillicRefs, SevenCharacterReferencesOfLettersAreDecoded) {
    struct Case {
        const char *Input;
        std::string Expected;
    };
    const Case cases[] = {
        {"&#x41F;&#x440;&#x438;", "\xCF\xF0\xE8"},
        {"&#x410;&#x42F;&#x430;&#x44F;&#x401;&#x451;", "\xC0\xDF\xE0\xFF\xA8\xB8"},
        {"&#x41F;middle&#x44F;", "\xCFmiddle\xFF"}, // at the very start and end
        {"&#x2116; &#x20;", "&#x2116; &#x20;"},     // other lengths pass
        {"a&#x41f;b&#x500;c&#x40F;d", "abcd"},      // right shape, not a letter: dropped
        {"plain text; no refs", "plain text; no refs"},
        {"&amp;&#x41", "&amp;&#x41"}, // too short at the end
        {"&&#x410;", "&\xC0"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DecodeCyrillicRefs(c.Input), c.Expected) << c.Input;
}

TEST(Convert, IntegerTexts) {
    struct Case {
        const char *Text;
        int Expected;
    };
    for (const Case &c : {Case{"0", 0},
                          {"42", 42},
                          {"  7", 7},
                          {"-17", -17},
                          {"+3", 3},
                          {"2147483647", 2147483647},
                          {"-2147483648", -2147483647 - 1},
                          {"$1F", 31},
                          {"0x1f", 31}})
        EXPECT_EQ(StrToInt(c.Text), c.Expected) << c.Text;
    for (const char *bad : {"", " ", "7 ", "2147483648", "-2147483649", "1e3", "0x", "-+1"})
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
}

#include "UpdateControl.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateControl, ReadsTheThreeElementsWhereverTheyStand) {
    const auto control = ParseUpdateControl(
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<!-- made by hand -->\n"
        "<update><Note>x</Note><UpdateToVer>2.0 &amp; \xEF\xF0\xEE</UpdateToVer>"
        "<UpdateTime>\n  2\n</UpdateTime><UpdateFromVer>1.9</UpdateFromVer>"
        "<UpdateFromVer>ignored</UpdateFromVer></update>");
    ASSERT_TRUE(control);
    EXPECT_EQ(control->UpdateTime, 2);
    EXPECT_EQ(control->UpdateFromVer, "1.9");
    // Entity references are decoded, code page 1251 bytes kept as they are.
    EXPECT_EQ(control->UpdateToVer, "2.0 & \xEF\xF0\xEE");
}

// A control file saved as Unicode by an editor of the reference platform carries a byte order
// mark; it is read in its own encoding, while one without a mark keeps its bytes.
TEST(UpdateControl, UnicodeControlFilesAreReadInTheirEncoding) {
    const std::string xml = "<update><UpdateTime>1</UpdateTime><UpdateFromVer>1.0</UpdateFromVer>"
                            "<UpdateToVer>1.1</UpdateToVer></update>";
    std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    for (const char c : xml) {
        utf16le += std::string{c, '\0'};
        utf16be += std::string{'\0', c};
    }
    for (const std::string &text : {"\xEF\xBB\xBF" + xml, utf16le, utf16be}) {
        const auto control = ParseUpdateControl(text);
        ASSERT_TRUE(control) << text.size();
        EXPECT_EQ(control->UpdateTime, 1);
        EXPECT_EQ(control->UpdateFromVer, "1.0");
        EXPECT_EQ(control->UpdateToVer, "1.1");
    }
    // Declared Latin-1, the code page 1251 bytes still are not converted.
    const auto declared = ParseUpdateControl(
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><update><UpdateTime>1</UpdateTime>"
        "<UpdateToVer>\xE2\xE5\xF0\xF1\xE8\xFF 2</UpdateToVer></update>");
    ASSERT_TRUE(declared);
    EXPECT_EQ(declared->UpdateToVer, "\xE2\xE5\xF0\xF1\xE8\xFF 2");
}

TEST(UpdateControl, MissingVersionsAreEmpty) {
    const auto control = ParseUpdateControl("<update><UpdateTime>0</UpdateTime></update>");
    ASSERT_TRUE(control);
    EXPECT_EQ(control->UpdateTime, 0);
    EXPECT_EQ(control->UpdateFromVer, "");
    EXPECT_EQ(control->UpdateToVer, "");
}

TEST(UpdateControl, UnusableControlFilesGiveNothing) {
    for (const char *text : {"", "plain text", "<update><UpdateTime>1</UpdateTime>", "<update/>",
                             "<update><UpdateTime></UpdateTime></update>",
                             "<update><UpdateTime>1.5</UpdateTime></update>",
                             "<update><UpdateTime>1 2</UpdateTime></update>",
                             "<other><UpdateTime>1</UpdateTime></other>"}) {
        EXPECT_FALSE(ParseUpdateControl(text)) << text;
    }
}

TEST(UpdateControl, UpdateTimeSelectsTheProgram) {
    struct Case {
        int updateTime;
        bool launcher, main;
    };
    for (const Case c : {Case{0, true, false}, Case{1, true, true}, Case{2, false, true},
                         Case{3, false, false}, Case{-1, false, false}}) {
        EXPECT_EQ(UpdateTimeAllows(c.updateTime, true), c.launcher) << c.updateTime;
        EXPECT_EQ(UpdateTimeAllows(c.updateTime, false), c.main) << c.updateTime;
    }
}

} // namespace

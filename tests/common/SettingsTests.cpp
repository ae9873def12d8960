#include "AppDirFixture.h"
#include "TExtIniFile.h"
#include "TSecureFileStream.h"
#include "TXOREncryptor.h"
#include "Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const std::string kSettingsKey = Cp("kwpqmzrtnbxy8106725190617пешкурмяlokij&!^*gzcmwq");

std::string Descramble(const std::string &bytes) {
    std::string plain(bytes.size(), '\0');
    TXOREncryptor(kSettingsKey)
        .Decrypt(bytes.data(), plain.data(), static_cast<int64_t>(bytes.size()), 0);
    return plain;
}

std::string Fixture(const std::string &name) {
    return ReadTextFile(std::string(VELMORA_FIXTURES) + "/settings/" + name);
}

} // namespace

TEST(ParamText, LoaderQuirksAreKept) {
    struct Case {
        const char *Text;
        TParamMap Expected;
    };
    const Case cases[] = {
        {"", {}},
        {"Key=value\nOther=2\n", {{"Key", "value"}, {"Other", "2"}}},
        {"Key=value", {{"Key", "value"}}},                          // no final line feed
        {"Key=a=b=c\n", {{"Key", "a=b=c"}}},                        // "=" inside a value
        {"Key=v\r\nNext=w\r\n", {{"Key", "v\r"}, {"Next", "w\r"}}}, // CR stays in the value
        {"a=1\nab=2\n=3\n", {{"ab", "2"}}}, // keys under two characters skipped
        {"Key=\n", {{"Key", ""}}},
        {"Key=old\nKey=new\n", {{"Key", "new"}}},             // a later line wins
        {"junk\nKey=v\n", {{"junk\nKey", ""}, {"Key", "v"}}}, // a line without "=" is joined
        {"junk\nno equals at all\n", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TextToParams(c.Text), c.Expected) << c.Text;
}

TEST(ParamText, WrittenInByteOrderOfKeys) {
    TParamMap params;
    for (const char *key :
         {"firstLaunch", "ProxyEnabled", "LastSMState", "lpuName", "ApplicationId"})
        params[key] = "1";
    params[Cp("Ключ")] = "2"; // code page 1251 bytes sort after every Latin letter
    EXPECT_EQ(ParamsToText(params),
              "ApplicationId=1\nLastSMState=1\nProxyEnabled=1\nfirstLaunch=1\n"
              "lpuName=1\n" +
                  Cp("Ключ") + "=2\n");
}

class Settings : public AppDirTest {
protected:
    TAppConfig &Config() { return TAppConfig::Instance(); }
    bool Exists(const std::string &name) const { return QFileInfo::exists(FromCp1251(Path(name))); }
};

TEST_F(Settings, PathsEndWithTheSeparator) {
    const std::string dir = ToCp1251(Dir.path());
    for (const std::string &given : {dir, dir + "/"}) {
        Config().Init(given);
        EXPECT_EQ(Config().AppPath, dir + "/");
        EXPECT_EQ(Config().TempPath, dir + "/temp/");
        EXPECT_EQ(Config().UserIniPath, dir + "/conf.ini");
        EXPECT_EQ(Config().SecureIniPath, dir + "/sini.dat");
    }
}

TEST_F(Settings, ReadWithDefaultStoresItAndEmptyDefaultStoresNothing) {
    EXPECT_EQ(Config().ReadString("ProxyHost", "", true), "");
    EXPECT_FALSE(Exists("sini.dat"));

    EXPECT_TRUE(Config().ReadBool("firstLaunch", true, true));
    EXPECT_EQ(Descramble(ReadTextFile(Path("sini.dat"))), "firstLaunch=true\n");

    EXPECT_EQ(Config().ReadString("ApplicationVersion", "0", false), "0");
    EXPECT_EQ(Config().ReadInteger("ProxyPort", 0, false), 0);
    EXPECT_EQ(ReadTextFile(Path("conf.ini")), "ApplicationVersion=0\nProxyPort=0\n");

    // An empty stored value counts as missing when a default is given.
    WriteTextFile(Path("conf.ini"), "ExeName=\n", false);
    EXPECT_EQ(Config().ReadString("ExeName", "0", false), "0");
    EXPECT_EQ(ReadTextFile(Path("conf.ini")), "ExeName=0\n");
}

TEST_F(Settings, TypedValuesRoundTripAndBadTextsRaise) {
    Config().WriteInteger("LastSMState", -17, true);
    Config().WriteBool("ProxyEnabled", true, true);
    Config().WriteBool("ErrorReport", false, false);
    EXPECT_EQ(Config().ReadInteger("LastSMState", 0, true), -17);
    EXPECT_TRUE(Config().ReadBool("ProxyEnabled", false, true));
    EXPECT_FALSE(Config().ReadBool("ErrorReport", true, false));
    EXPECT_EQ(Descramble(ReadTextFile(Path("sini.dat"))), "LastSMState=-17\nProxyEnabled=true\n");

    struct BoolCase {
        const char *Text;
        bool Expected;
    };
    for (const BoolCase &c : {BoolCase{"TRUE", true},
                              {"False", false},
                              {"0", false},
                              {"2", true},
                              {"-1", true},
                              {"0.0", false}}) {
        WriteTextFile(Path("conf.ini"), std::string("Flag=") + c.Text + "\n", false);
        EXPECT_EQ(Config().ReadBool("Flag", false, false), c.Expected) << c.Text;
    }
    // A CR LF edited "conf.ini" leaves "\r" in the value, which no conversion accepts.
    for (const char *bad : {"yes", "true\r", "12abc"}) {
        WriteTextFile(Path("conf.ini"), std::string("Value=") + bad + "\n", false);
        EXPECT_THROW(Config().ReadBool("Value", false, false), EConvertError) << bad;
    }
    for (const char *bad : {"12\r", "true", "1.5", "4294967296", "--1"}) {
        WriteTextFile(Path("conf.ini"), std::string("Value=") + bad + "\n", false);
        EXPECT_THROW(Config().ReadInteger("Value", 5, false), EConvertError) << bad;
    }
}

TEST_F(Settings, UnchangedWriteLeavesTheFileAlone) {
    Config().WriteString("ProxyHost", "proxy.local", true);
    const std::string file = Path("sini.dat");
    const QDateTime before = QFileInfo(FromCp1251(file)).lastModified();
    QThread::msleep(20); // a rewrite would then show a later modification time
    Config().WriteString("ProxyHost", "proxy.local", true);
    EXPECT_EQ(QFileInfo(FromCp1251(file)).lastModified(), before);

    // Writing an empty value for a missing key changes nothing either.
    Config().WriteString("ProxyUser", "", false);
    EXPECT_FALSE(Exists("conf.ini"));
}

TEST_F(Settings, OneCharacterKeyIsWrittenButNotReadBack) {
    Config().WriteString("Key", "value=with=equals", false);
    Config().WriteString("x", "1", false);
    EXPECT_EQ(ReadTextFile(Path("conf.ini")), "Key=value=with=equals\nx=1\n");
    EXPECT_EQ(Config().ReadString("x", "", false), "");
    EXPECT_EQ(Config().ReadString("Key", "", false), "value=with=equals");
}

TEST_F(Settings, SaveReplacesTheFileWithoutLeftovers) {
    Config().WriteString("ProxyHost", "a", true);
    Config().WriteString("ProxyHost", "b", true);
    Config().WriteString("SyncURL", "http://x", false);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"conf.ini", "sini.dat"}));
}

TEST_F(Settings, FailedSaveRaisesAndKeepsTheOldFile) {
    Config().WriteString("SyncURL", "http://old", false);
    // Block the replacement file's name with a folder, so the save fails before the rename.
    const QString blocker =
        Dir.path() + "/.conf.ini." + QString::number(QCoreApplication::applicationPid()) + ".tmp";
    ASSERT_TRUE(QDir().mkdir(blocker));
    EXPECT_THROW(Config().WriteString("SyncURL", "http://new", false), EFCreateError);
    EXPECT_EQ(ReadTextFile(Path("conf.ini")), "SyncURL=http://old\n");
    QDir().rmdir(blocker);

    Config().Init(ToCp1251(Dir.path()) + "/missing-folder");
    EXPECT_THROW(Config().ReadString("ExeName", "0", false), EFCreateError);
    EXPECT_THROW(Config().WriteBool("firstLaunch", false, true), EFCreateError);
}

TEST_F(Settings, FixtureReadsAsItsPlainTextAndIsReproducedByteForByte) {
    const std::string scrambled = Fixture("sini.dat");
    const TParamMap expected = TextToParams(Fixture("sini.plain.txt"));
    ASSERT_EQ(expected.size(), 8u);
    EXPECT_EQ(expected.at("lpuName"), Cp("Городская больница №1"));

    WriteTextFile(Path("sini.dat"), scrambled, false);
    for (const auto &[key, value] : expected)
        EXPECT_EQ(Config().ReadString(key, "", true), value) << key;
    EXPECT_EQ(Config().ReadString("formula", "", true), "a=b=c");
    EXPECT_FALSE(Config().ReadBool("firstLaunch", true, true));
    EXPECT_EQ(Config().ReadInteger("ProxyPort", 0, true), 3128);

    // Writing the same values into a fresh folder, in an arbitrary order, gives the same bytes.
    QTemporaryDir fresh;
    Config().Init(ToCp1251(fresh.path()));
    for (auto it = expected.rbegin(); it != expected.rend(); ++it)
        Config().WriteString(it->first, it->second, true);
    EXPECT_EQ(ReadTextFile(Config().SecureIniPath), scrambled);
    EXPECT_EQ(TSecureFile::Load(Config().SecureIniPath), expected);
}

#include "PackageKit.h"

#include "Cp1251.h"
#include "TAppConfig.h"
#include "TFEvent.h"
#include "TUpdater.h"
#include "Utils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

using namespace packagekit;

namespace {

std::string Ru(const char *utf8) {
    return ToCp1251(QString::fromUtf8(utf8));
}

const std::string kStart = Ru("Инициализируем процесс обновления приложения");
const std::string kUnpackError = Ru("Ошибка распаковки пакета");
const std::string kVersionError = Ru("Невозможно обновить программу из-за несовпадения версий");
const std::string kScriptError = Ru("Ошибка выполнения обновления");

std::string IntegrityError(const std::string &package) {
    return Ru("Ошибка целостности файла обновления ") + package + "/mess.dat";
}
std::string Success(const std::string &from, const std::string &to) {
    return Ru("Программа обновлена с ") + from + Ru(" до ") + to;
}

// The messages of the log, in order, without their date and time.
std::vector<std::string> LogMessages(const std::string &log) {
    const std::vector<std::string> known = {kStart, kUnpackError, kVersionError, kScriptError};
    std::vector<std::string> messages;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // Every message the installer writes starts with one of these words.
        for (const char *word : {"Инициализируем", "Ошибка", "Невозможно", "Программа"}) {
            const std::size_t at = line.find(" " + Ru(word));
            if (at != std::string::npos) {
                messages.push_back(line.substr(at + 1));
                break;
            }
        }
    }
    return messages;
}

struct ErrorSink {
    std::vector<std::pair<int, std::string>> Errors;
    void OnError(TFEvent *event) {
        const auto *error = static_cast<TErrorEvent *>(event);
        Errors.emplace_back(error->Code, error->Message);
    }
};

class UpdaterTest : public ::testing::Test {
protected:
    void SetUp() override { TAppConfig::Instance().Init(App.AppPath); }

    // One run of a fresh installer, as both programs do it; returns the error events.
    std::vector<std::pair<int, std::string>> Run(bool launcherMode) {
        ErrorSink sink;
        TUpdater updater(launcherMode);
        updater.DeclareEvent(evError, &ErrorSink::OnError, &sink);
        updater.Run();
        return sink.Errors;
    }

    void SetVersion(const std::string &version) {
        WriteFile(App.AppPath + "conf.ini", "ApplicationVersion=" + version + "\n");
    }
    std::string Version() {
        return TAppConfig::Instance().ReadString("ApplicationVersion", "", false);
    }
    // No working folder may survive a package's processing.
    void ExpectNoWorkFolder() { EXPECT_TRUE(ListDir(App.Temp()).empty()) << App.Temp(); }

    TestAppDir App;
};

using Errors = std::vector<std::pair<int, std::string>>;

TEST_F(UpdaterTest, NothingToInstallTouchesNothing) {
    for (bool launcherMode : {false, true})
        EXPECT_TRUE(Run(launcherMode).empty());
    WriteFile(App.Updates() + "readme.txt", "not a package");
    WriteFile(App.Updates() + "old.zip.bak", "not a package either");
    for (bool launcherMode : {false, true})
        EXPECT_TRUE(Run(launcherMode).empty());
    EXPECT_FALSE(Exists(App.AppPath + "log.txt"));
    EXPECT_FALSE(Exists(App.AppPath + "conf.ini"));
    EXPECT_FALSE(Exists(App.Temp()));
}

// Who installs which package, and a package that is not installed holds back the ones after it.
TEST(UpdaterUpdateTime, DecidesWhichProgramInstallsAndHoldsBackLaterPackages) {
    struct Case {
        std::string updateTime;
        bool launcherMode;
        bool installed;
    };
    const Case cases[] = {
        {"0", true, true},   {"0", false, false}, {"1", true, true},  {"1", false, true},
        {"2", true, false},  {"2", false, true},  {"3", true, false}, {"3", false, false},
        {"-1", true, false}, {" 2", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("UpdateTime '" + c.updateTime + "', launcher " +
                     std::to_string(c.launcherMode));
        TestAppDir app;
        TAppConfig::Instance().Init(app.AppPath);
        WriteFile(app.AppPath + "conf.ini", "ApplicationVersion=1.0\n");
        const std::string first = app.AddPackage("a.zip", c.updateTime, "1.0", "1.1");
        const std::string second = app.AddPackage("b.zip", "1", "1.1", "1.2");

        ErrorSink sink;
        TUpdater updater(c.launcherMode);
        updater.DeclareEvent(evError, &ErrorSink::OnError, &sink);
        updater.Run();

        EXPECT_TRUE(sink.Errors.empty());
        EXPECT_TRUE(ListDir(app.Temp()).empty());
        const std::vector<std::string> log = LogMessages(app.Log());
        if (c.installed) {
            EXPECT_EQ(TAppConfig::Instance().ReadString("ApplicationVersion", "", false), "1.2");
            EXPECT_FALSE(Exists(first));
            EXPECT_FALSE(Exists(second));
            EXPECT_EQ(log, (std::vector<std::string>{kStart, Success("1.0", "1.1"), kStart,
                                                     Success("1.1", "1.2")}));
        } else {
            // Skipped silently: only the start line, and the later package is not even opened.
            EXPECT_EQ(TAppConfig::Instance().ReadString("ApplicationVersion", "", false), "1.0");
            EXPECT_TRUE(Exists(first));
            EXPECT_TRUE(Exists(second));
            EXPECT_EQ(log, std::vector<std::string>{kStart});
            EXPECT_FALSE(Exists(app.AppPath + "todo_args.txt"));
        }
    }
}

TEST_F(UpdaterTest, ChainListedBackwardsFailsOnVersionAtEveryRun) {
    SetVersion("1.0");
    const std::string later = App.AddPackage("a_to_1.2.zip", "1", "1.1", "1.2");
    const std::string earlier = App.AddPackage("b_to_1.1.zip", "1", "1.0", "1.1");
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(Run(false), (Errors{{2, kVersionError}}));
        EXPECT_EQ(Version(), "1.0");
        EXPECT_TRUE(Exists(later));
        EXPECT_TRUE(Exists(earlier));
        ExpectNoWorkFolder();
    }
    EXPECT_EQ(LogMessages(App.Log()),
              (std::vector<std::string>{kStart, kVersionError, kStart, kVersionError}));
}

TEST_F(UpdaterTest, FreshInstallationReadsVersionZero) {
    App.AddPackage("a.zip", "1", "1.0", "1.1");
    EXPECT_EQ(Run(true), (Errors{{2, kVersionError}}));
    EXPECT_EQ(App.ConfIni(), "ApplicationVersion=0\n");

    std::filesystem::remove(App.Updates() + "a.zip");
    const std::string fromZero = App.AddPackage("b.zip", "1", "0", "1.0");
    EXPECT_TRUE(Run(true).empty());
    EXPECT_EQ(Version(), "1.0");
    EXPECT_FALSE(Exists(fromZero));
}

TEST_F(UpdaterTest, SuccessfulInstallationRecordsEverythingAndCleansUp) {
    SetVersion("1.0");
    const std::string package = App.AddPackage("pkg.zip", "1", "1.0", "1.1");
    EXPECT_TRUE(TUpdater(false).InstallPackage(package));

    EXPECT_EQ(Version(), "1.1");
    EXPECT_FALSE(TAppConfig::Instance().ReadString("LastAppUpdateTime", "", true).empty());
    EXPECT_FALSE(Exists(package));
    ExpectNoWorkFolder();
    EXPECT_EQ(LogMessages(App.Log()), (std::vector<std::string>{kStart, Success("1.0", "1.1")}));

    const std::string output = ReadFile(App.AppPath + "update.log");
    EXPECT_NE(output.find("installing into " + App.AppPath), std::string::npos) << output;
    EXPECT_NE(output.find("warning on stderr"), std::string::npos) << output;

    // The script gets the application directory and its own unpacked folder, each ending with '/',
    // and can find the rest of the package there.
    const std::string args = ReadFile(App.AppPath + "todo_args.txt");
    const std::size_t bar = args.find('|');
    ASSERT_NE(bar, std::string::npos) << args;
    EXPECT_EQ(args.substr(0, bar), App.AppPath);
    const std::string work = args.substr(bar + 1);
    ASSERT_TRUE(work.starts_with(App.Temp())) << work;
    const std::string stamp = work.substr(App.Temp().size());
    EXPECT_EQ(stamp.back(), '/');
    EXPECT_TRUE(std::all_of(stamp.begin(), stamp.end() - 1, ::isdigit)) << stamp;
}

TEST_F(UpdaterTest, PackageContentReachesTheScript) {
    SetVersion("1.0");
    App.AddPackage("pkg.zip", {{"mess.dat", MessDat("2", "1.0", "1.1")},
                               {"todo.bat", TodoScript(0, "cp \"$2bin/tool\" \"$1tool\"\n")},
                               {"bin/tool", "new tool\n"}});
    EXPECT_TRUE(Run(false).empty());
    EXPECT_EQ(ReadFile(App.AppPath + "tool"), "new tool\n");
}

TEST_F(UpdaterTest, FailingScriptKeepsVersionAndPackage) {
    SetVersion("1.0");
    const std::string package = App.AddPackage("pkg.zip", "1", "1.0", "1.1", /*exitCode=*/1);
    const std::string next = App.AddPackage("pkg2.zip", "1", "1.0", "1.1");
    EXPECT_EQ(Run(true), (Errors{{3, kScriptError}}));
    EXPECT_EQ(Version(), "1.0");
    EXPECT_TRUE(Exists(package));
    EXPECT_TRUE(Exists(next));
    EXPECT_FALSE(Exists(App.AppPath + "sini.dat"));
    ExpectNoWorkFolder();
    EXPECT_NE(ReadFile(App.AppPath + "update.log").find("installing into"), std::string::npos);
    EXPECT_EQ(LogMessages(App.Log()), (std::vector<std::string>{kStart, kScriptError}));
}

TEST_F(UpdaterTest, PackageWithoutScriptFailsAndKeepsTheLastUpdateLog) {
    SetVersion("1.0");
    WriteFile(App.AppPath + "update.log", "output of the last update\n");
    const std::string package =
        App.AddPackage("pkg.zip", {{"mess.dat", MessDat("1", "1.0", "1.1")}});
    EXPECT_EQ(Run(false), (Errors{{3, kScriptError}}));
    EXPECT_EQ(Version(), "1.0");
    EXPECT_TRUE(Exists(package));
    EXPECT_EQ(ReadFile(App.AppPath + "update.log"), "output of the last update\n");
    ExpectNoWorkFolder();
}

// A package whose control file is missing or cannot be understood is an integrity error: it is
// reported, the working folder goes, the package stays, and the run stops.
TEST_F(UpdaterTest, MissingOrMalformedControlFileIsAnIntegrityError) {
    const std::pair<const char *, Entries> cases[] = {
        {"no mess.dat", {{"todo.bat", TodoScript(0)}}},
        {"mess.dat in a subfolder",
         {{"pkg/mess.dat", MessDat("1", "0", "1")}, {"todo.bat", TodoScript(0)}}},
        {"not XML",
         {{"mess.dat", "<update><UpdateTime>1</UpdateTime>"}, {"todo.bat", TodoScript(0)}}},
        {"empty", {{"mess.dat", ""}, {"todo.bat", TodoScript(0)}}},
        {"no UpdateTime",
         {{"mess.dat", "<update><UpdateFromVer>0</UpdateFromVer></update>"},
          {"todo.bat", TodoScript(0)}}},
        {"UpdateTime not a number",
         {{"mess.dat", MessDat("one", "0", "1")}, {"todo.bat", TodoScript(0)}}},
        {"UpdateTime with trailing text",
         {{"mess.dat", MessDat("1x", "0", "1")}, {"todo.bat", TodoScript(0)}}},
        {"UpdateTime too large",
         {{"mess.dat", MessDat("99999999999", "0", "1")}, {"todo.bat", TodoScript(0)}}},
        {"wrong document element",
         {{"mess.dat", "<updates><UpdateTime>1</UpdateTime></updates>"},
          {"todo.bat", TodoScript(0)}}},
    };
    for (const auto &[name, entries] : cases) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(App.Updates());
        const std::string package = App.AddPackage("a.zip", entries);
        const std::string next = App.AddPackage("b.zip", "1", "0", "1.0");
        EXPECT_EQ(Run(false), (Errors{{1, IntegrityError(package)}}));
        EXPECT_TRUE(Exists(package));
        EXPECT_TRUE(Exists(next));
        ExpectNoWorkFolder();
        EXPECT_FALSE(Exists(App.AppPath + "todo_args.txt"));
    }
    EXPECT_FALSE(Exists(App.AppPath + "conf.ini"));
}

TEST_F(UpdaterTest, PackageThatCannotBeUnpackedSafelyIsAnUnpackingError) {
    const std::pair<const char *, Entries> cases[] = {
        {"entry escaping the working folder",
         {{"mess.dat", MessDat("1", "0", "1")},
          {"todo.bat", TodoScript(0)},
          {"../../escaped.txt", "outside"}}},
        {"absolute entry",
         {{"mess.dat", MessDat("1", "0", "1")},
          {"todo.bat", TodoScript(0)},
          {App.AppPath + "absolute.txt", "outside"}}},
    };
    for (const auto &[name, entries] : cases) {
        SCOPED_TRACE(name);
        const std::string package = App.AddPackage("a.zip", entries);
        EXPECT_EQ(Run(false), (Errors{{0, kUnpackError}}));
        EXPECT_TRUE(Exists(package));
    }
    WriteFile(App.Updates() + "a.zip", "this is not a ZIP archive");
    EXPECT_EQ(Run(false), (Errors{{0, kUnpackError}}));

    EXPECT_FALSE(Exists(App.AppPath + "escaped.txt"));
    EXPECT_FALSE(Exists(App.AppPath + "absolute.txt"));
    EXPECT_FALSE(Exists(App.AppPath + "todo_args.txt"));
    ExpectNoWorkFolder();
    EXPECT_EQ(LogMessages(App.Log()),
              (std::vector<std::string>{kStart, kUnpackError, kStart, kUnpackError, kStart,
                                        kUnpackError}));
}

TEST_F(UpdaterTest, LeftoverWorkFolderDoesNotLeakIntoPackage) {
    // A stale folder from an interrupted run, with a control file this package does not have.
    // Its name is the current second, which the next installation would reuse.
    const std::string stale = App.Temp() + std::to_string(UnixTimeNow()) + "/";
    WriteFile(stale + "mess.dat", MessDat("1", "0", "1.0"));
    WriteFile(stale + "todo.bat", TodoScript(0));
    const std::string package = App.AddPackage("a.zip", {{"todo.bat", TodoScript(0)}});
    std::vector<std::pair<int, std::string>> errors = Run(false);
    // The second may have turned over meanwhile; either way nothing stale may be installed.
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].first, 1);
    EXPECT_FALSE(Exists(App.AppPath + "todo_args.txt"));
    EXPECT_TRUE(Exists(package));
}

} // namespace

#include "PackageKit.h"

#include "TLauncherForm.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using namespace packagekit;

namespace {

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The stand-in main program, named without a directory in "ExeName".
        std::filesystem::copy_file(LAUNCHER_PROBE, App.AppPath + "velmora_probe");
        std::filesystem::create_directories(App.Updates());
    }

    QString AppDir() const { return QString::fromStdString(App.AppPath); }

    // What the started program found in conf.ini, once it has run; nothing if it never starts.
    std::optional<std::string> WaitForProgram(int patienceMs = 20000) {
        const std::string evidence = App.AppPath + "probe_started.txt";
        QDeadlineTimer deadline(patienceMs);
        while (!Exists(evidence) && !deadline.hasExpired()) {
            QApplication::processEvents();
            QThread::msleep(20);
        }
        if (!Exists(evidence))
            return std::nullopt;
        return ReadFile(evidence);
    }

    TestAppDir App;
};

TEST_F(LauncherTest, NoticeWindowLayout) {
    TLauncherForm form(AppDir());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Обновление приложения"));
    EXPECT_EQ(form.size(), QSize(394, 32));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(
        form.Label1->text(),
        QStringLiteral("Происходит обновление приложения. Это может занять несколько минут."));
    EXPECT_EQ(form.Label1->geometry(), QRect(8, 8, 379, 13));
}

TEST_F(LauncherTest, ShowingTheWindowStartsTheProgramAndCloses) {
    WriteFile(App.AppPath + "conf.ini", "ExeName=velmora_probe\n");
    TLauncherForm form(AppDir());
    form.show();
    QDeadlineTimer deadline(20000);
    while (form.isVisible() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(WaitForProgram(), "ExeName=velmora_probe\n");
    EXPECT_FALSE(Exists(App.AppPath + "log.txt"));
}

TEST_F(LauncherTest, LauncherOnlyPackageIsInstalledBeforeTheProgramStarts) {
    WriteFile(App.AppPath + "conf.ini", "ApplicationVersion=1.0\nExeName=velmora_probe\n");
    const std::string forLauncher = App.AddPackage("a.zip", "0", "1.0", "2.0");
    const std::string forMain = App.AddPackage("b.zip", "2", "2.0", "3.0");
    TLauncherForm form(AppDir());
    form.FormShow();
    EXPECT_EQ(WaitForProgram(), "ApplicationVersion=2.0\nExeName=velmora_probe\n");
    EXPECT_FALSE(Exists(forLauncher));
    EXPECT_TRUE(Exists(forMain));
}

TEST_F(LauncherTest, WithoutExeNameStoresZeroAndStartsNothing) {
    TLauncherForm form(AppDir());
    form.FormShow();
    EXPECT_EQ(App.ConfIni(), "ExeName=0\n");
    EXPECT_FALSE(WaitForProgram(500));
}

// However the installation ends, the user still gets the main program.
TEST_F(LauncherTest, FailedInstallationStillStartsTheProgram) {
    struct Case {
        const char *name;
        int scriptExit;
        bool settingsUnwritable;
    };
    for (const Case &c :
         {Case{"script fails", 1, false}, Case{"installer leaves with an exception", 0, true}}) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(App.AppPath + "probe_started.txt");
        std::filesystem::remove(App.AppPath + "log.txt");
        WriteFile(App.AppPath + "conf.ini", "ApplicationVersion=1.0\nExeName=velmora_probe\n");
        std::filesystem::remove_all(App.AppPath + "sini.dat");
        if (c.settingsUnwritable) // "sini.dat" cannot be written where a folder stands
            std::filesystem::create_directories(App.AppPath + "sini.dat/blocked");
        App.AddPackage("a.zip", "1", "1.0", "1.1", c.scriptExit);

        TLauncherForm form(AppDir());
        form.FormShow();
        EXPECT_TRUE(WaitForProgram());
        // The failure is recorded: the start line and one error line.
        const std::string log = App.Log();
        EXPECT_NE(log.find('\n'), log.rfind('\n')) << log;
    }
}

} // namespace

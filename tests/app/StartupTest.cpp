#include "AppDirectory.h"
#include "Dialogs.h"
#include "NutriFrom.h"
#include "PackageKit.h"
#include "TAppConfig.h"

#include <gtest/gtest.h>

using namespace packagekit;

// Building the window points the settings at the application directory and installs the update
// packages meant for the main program before the doctor sees the calculator.
TEST(WindowStartup, InstallsPendingPackagesOfTheMainProgramFromItsOwnDirectory) {
    TestAppDir app;
    WriteFile(app.AppPath + "conf.ini", "ApplicationVersion=1.0\n");
    const std::string forMain = app.AddPackage("a.zip", "2", "1.0", "1.1");
    const std::string forLauncher = app.AddPackage("b.zip", "0", "1.1", "1.2");

    SetApplicationDirectory(QString::fromStdString(app.AppPath));
    Dialogs::SetScripted(true);
    {
        TNutriFrom window;
        EXPECT_EQ(TAppConfig::Instance().AppPath, app.AppPath);
    }
    Dialogs::SetScripted(false);
    SetApplicationDirectory(QString());

    EXPECT_FALSE(Exists(forMain)) << "the main program's package was not installed";
    EXPECT_TRUE(Exists(forLauncher)) << "a launcher-only package must wait for the launcher";
    EXPECT_NE(app.ConfIni().find("ApplicationVersion=1.1"), std::string::npos) << app.ConfIni();
    EXPECT_TRUE(Exists(app.AppPath + "update.log"));
    EXPECT_TRUE(Dialogs::TakeShown().isEmpty());
}

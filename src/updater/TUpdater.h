#pragma once

#include "TFEventDispatcher.h"

#include <string>

// Installs the update packages waiting in AppPath + "updates/". Each package is unpacked into a
// fresh working folder below TempPath, checked against its control file "mess.dat" and the
// installed version, and installed by running its own "todo.bat"; on success the new version is
// recorded and the package deleted. Failures are logged and dispatched as "1001" TErrorEvents:
// 0 unpacking, 1 control file, 2 version mismatch, 3 script. One object serves one Run.
class TUpdater : public TFEventDispatcher {
public:
    // launcherMode: true inside the launcher, false inside the main program; decides together
    // with a package's UpdateTime which packages this run may install.
    explicit TUpdater(bool launcherMode);

    // Installs the packages in listing order and stops at the first one that is not installed,
    // so later packages (which may build on it) wait for another run.
    void Run();

    // Installs one package; true when it was installed.
    bool InstallPackage(const std::string &package);

    const bool LauncherMode;

private:
    bool ReportError(int code, const std::string &message, const std::string &workFolder);
};

#include "TUpdater.h"

#include "Cp1251.h"
#include "Exceptions.h"
#include "TAppConfig.h"
#include "UpdateControl.h"
#include "Utils.h"

#include <QDateTime>
#include <QFile>

#include <optional>

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string Cp1251(const char16_t *text) {
    return ToCp1251(QString::fromUtf16(text));
}

// Removes the working folder however the installation ends, an exception included, so no
// unpacked package is left lying in "temp/".
class TWorkFolder {
public:
    explicit TWorkFolder(std::string path) : Path(std::move(path)) {
        // A folder of the same name can only be a leftover (same second, or an interrupted run);
        // its files must not mix with this package's.
        DeleteDirectory(Path);
    }
    ~TWorkFolder() { DeleteDirectory(Path); }
    TWorkFolder(const TWorkFolder &) = delete;
    TWorkFolder &operator=(const TWorkFolder &) = delete;

    const std::string Path;
};

} // namespace

TUpdater::TUpdater(bool launcherMode) : LauncherMode(launcherMode) {}

void TUpdater::Run() {
    TAppConfig &config = TAppConfig::Instance();
    for (const std::string &package : FindFiles(config.AppPath + "updates" + kSeparator, "*.zip")) {
        if (!InstallPackage(package))
            break;
    }
}

bool TUpdater::InstallPackage(const std::string &package) {
    TAppConfig &config = TAppConfig::Instance();
    WriteLog(1, Cp1251(u"Инициализируем процесс обновления приложения"));

    const TWorkFolder work(config.TempPath + std::to_string(UnixTimeNow()));
    if (!Unzip(package, work.Path, " -o "))
        return ReportError(0, Cp1251(u"Ошибка распаковки пакета"), work.Path);

    // A control file that is missing, unreadable or cannot be understood leaves the package
    // unjudgeable; all of these are the same integrity error.
    std::optional<TUpdateControl> control;
    try {
        control = ParseUpdateControl(ReadTextFile(work.Path + kSeparator + "mess.dat"));
    } catch (const Exception &) {
        control.reset();
    }
    if (!control)
        return ReportError(
            1, Cp1251(u"Ошибка целостности файла обновления ") + package + "/mess.dat", work.Path);

    if (!UpdateTimeAllows(control->UpdateTime, LauncherMode)) {
        DeleteDirectory(work.Path);
        return false;
    }

    const std::string current = config.ReadString("ApplicationVersion", "0", false);
    if (control->UpdateFromVer != current)
        return ReportError(2, Cp1251(u"Невозможно обновить программу из-за несовпадения версий"),
                           work.Path);

    // "<work>/todo.bat"  "<app dir>/" "<work>/": the script gets the application directory and
    // the unpacked package, each ending with a separator; it runs in our current directory.
    const std::string appDir = config.AppPath.substr(0, config.AppPath.size() - 1) + kSeparator;
    const std::string commandLine = "\"" + work.Path + kSeparator + "todo.bat\"  \"" + appDir +
                                    "\" \"" + work.Path + kSeparator + "\"";
    if (!RunAndCapture(commandLine, config.AppPath + "update.log"))
        return ReportError(3, Cp1251(u"Ошибка выполнения обновления"), work.Path);

    config.WriteString("ApplicationVersion", control->UpdateToVer, false);
    config.WriteString("LastAppUpdateTime", DateTimeToStr(QDateTime::currentDateTime()), true);
    QFile::remove(FromCp1251(package));
    WriteLog(1, Cp1251(u"Программа обновлена с ") + control->UpdateFromVer + Cp1251(u" до ") +
                    control->UpdateToVer);
    DeleteDirectory(work.Path);
    return true;
}

bool TUpdater::ReportError(int code, const std::string &message, const std::string &workFolder) {
    DeleteDirectory(workFolder);
    WriteLog(2, message);
    DispatchEvent(new TErrorEvent(evError, code, message));
    return false;
}

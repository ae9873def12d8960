#pragma once

#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

// Helpers shared by the installer and launcher tests: a throw-away application directory and real
// update packages (ZIP archives with "mess.dat" and a "todo.bat" shell script).
namespace packagekit {

using Entries = std::vector<std::pair<std::string, std::string>>; // name in archive, content

void WriteZip(const std::string &zipPath, const Entries &entries);

std::string MessDat(const std::string &updateTime, const std::string &from, const std::string &to);

// A script that prints a line, records its two arguments in "<app>/todo_args.txt" and ends with
// the given exit code.
std::string TodoScript(int exitCode, const std::string &extra = std::string());

std::string ReadFile(const std::string &path);
void WriteFile(const std::string &path, const std::string &content);
bool Exists(const std::string &path);
std::vector<std::string> ListDir(const std::string &dir);

// A temporary application directory; AppPath ends with '/' and is handed to TAppConfig.
class TestAppDir {
public:
    TestAppDir();
    std::string AppPath;
    std::string Updates() const { return AppPath + "updates/"; }
    std::string Temp() const { return AppPath + "temp/"; }

    // Stores a package in "updates/" and returns its full path.
    std::string AddPackage(const std::string &name, const std::string &updateTime,
                           const std::string &from, const std::string &to, int exitCode = 0);
    std::string AddPackage(const std::string &name, const Entries &entries);

    std::string ConfIni() const { return ReadFile(AppPath + "conf.ini"); }
    std::string Log() const;

private:
    QTemporaryDir Dir;
};

} // namespace packagekit

#include "TAppConfig.h"

#include "Convert.h"
#include "TExtIniFile.h"

#include <QDir>

TAppConfig &TAppConfig::Instance() {
    static TAppConfig *instance = new TAppConfig(); // never destroyed: usable until the very end
    return *instance;
}

void TAppConfig::Init(const std::string &appPath) {
    const char separator = static_cast<char>(QDir::separator().toLatin1());
    AppPath = appPath;
    // An empty path stays empty (the current folder) rather than becoming the root folder.
    if (!AppPath.empty() && AppPath.back() != separator && AppPath.back() != '/')
        AppPath += separator;
    TempPath = AppPath + "temp" + separator;
    UserIniPath = AppPath + "conf.ini";
    SecureIniPath = AppPath + "sini.dat";
}

std::string TAppConfig::ReadString(const std::string &key, const std::string &defaultValue,
                                   bool secure) {
    if (secure)
        return TExtIniFile<TSecureFile>(SecureIniPath).GetValue(key, defaultValue);
    return TExtIniFile<TUserIniFile>(UserIniPath).GetValue(key, defaultValue);
}

int TAppConfig::ReadInteger(const std::string &key, int defaultValue, bool secure) {
    return StrToInt(ReadString(key, std::to_string(defaultValue), secure));
}

bool TAppConfig::ReadBool(const std::string &key, bool defaultValue, bool secure) {
    return StrToBool(ReadString(key, BoolToStr(defaultValue), secure));
}

void TAppConfig::WriteString(const std::string &key, const std::string &value, bool secure) {
    if (secure)
        TExtIniFile<TSecureFile>(SecureIniPath).SetValue(key, value);
    else
        TExtIniFile<TUserIniFile>(UserIniPath).SetValue(key, value);
}

void TAppConfig::WriteInteger(const std::string &key, int value, bool secure) {
    WriteString(key, std::to_string(value), secure);
}

void TAppConfig::WriteBool(const std::string &key, bool value, bool secure) {
    WriteString(key, BoolToStr(value), secure);
}

#pragma once

#include <string>

// Process-wide configuration: where the program's files live, and typed access to the two
// settings files. Every read or write loads the chosen file afresh; nothing is cached.
// secure = true selects the scrambled "sini.dat", false the plain "conf.ini".
// All texts are code page 1251.
class TAppConfig {
public:
    static TAppConfig &Instance();

    // appPath: the directory of the running executable (tests pass a temporary folder). A
    // missing trailing separator is added. Call before anything reads settings.
    void Init(const std::string &appPath);

    std::string ReadString(const std::string &key, const std::string &defaultValue, bool secure);
    // Raises EConvertError when the stored text is not an integer.
    int ReadInteger(const std::string &key, int defaultValue, bool secure);
    // Raises EConvertError when the stored text is neither a number nor "true"/"false".
    bool ReadBool(const std::string &key, bool defaultValue, bool secure);

    // Raise EFCreateError when the file cannot be written.
    void WriteString(const std::string &key, const std::string &value, bool secure);
    void WriteInteger(const std::string &key, int value, bool secure);
    void WriteBool(const std::string &key, bool value, bool secure);

    std::string AppPath;       // ends with the platform separator ("/" on Linux)
    std::string TempPath;      // AppPath + "temp/"
    std::string UserIniPath;   // AppPath + "conf.ini"
    std::string SecureIniPath; // AppPath + "sini.dat"

private:
    TAppConfig() = default;
};

#pragma once

#include "TParamMap.h"

#include <optional>
#include <string>

// Storage policy of the plain settings file "conf.ini".
class TUserIniFile {
public:
    // The parsed file, or nothing when the file does not exist.
    static std::optional<TParamMap> Load(const std::string &fileName);
    // Replaces the file with the map's text atomically; raises EFCreateError on failure.
    static void Save(const TParamMap &params, const std::string &fileName);
};

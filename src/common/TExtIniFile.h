#pragma once

#include "TParamMap.h"
#include "TSecureFile.h"
#include "TUserIniFile.h"

#include <string>

// One open settings file: the whole file as a map, loaded by the constructor. Reads with a
// default and changed writes save the whole map at once; nothing is saved on destruction.
template <class Policy> class TExtIniFile {
public:
    explicit TExtIniFile(std::string fileName) : FileName(std::move(fileName)) {
        if (auto loaded = Policy::Load(FileName))
            Params = std::move(*loaded);
    }

    // The stored value. A missing or empty value with a non-empty default stores the default
    // in the file and returns it; an empty default stores nothing.
    std::string GetValue(const std::string &key, const std::string &defaultValue) {
        std::string &value = Params[key];
        if (value.empty() && !defaultValue.empty()) {
            SetValue(key, defaultValue);
            return defaultValue;
        }
        return value;
    }

    // Saves the whole map if the value differs from the stored one (empty when missing);
    // otherwise the file is not touched.
    void SetValue(const std::string &key, const std::string &value) {
        auto it = Params.find(key);
        const std::string current = it == Params.end() ? std::string() : it->second;
        if (current == value)
            return;
        Params[key] = value;
        Policy::Save(Params, FileName);
    }

    const std::string FileName;
    TParamMap Params;
};

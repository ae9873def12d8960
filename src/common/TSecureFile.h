#pragma once

#include "TParamMap.h"

#include <optional>
#include <string>

// Storage policy of the scrambled settings file "sini.dat": the same text as "conf.ini",
// scrambled with the settings key through TSecureFileStream<TXOREncryptor>.
class TSecureFile {
public:
    // The 48-byte settings key (code page 1251), shared by both programs.
    static const std::string &Key();

    // The descrambled, parsed file, or nothing when the file does not exist.
    static std::optional<TParamMap> Load(const std::string &fileName);
    // Replaces the file with the scrambled text atomically; raises EFCreateError on failure.
    static void Save(const TParamMap &params, const std::string &fileName);
};

#pragma once

#include "StreamEncryptionInterface.h"

#include <string>

// Repeating-key XOR aligned with the start of the file: the byte at offset p is combined with
// key byte p mod L. Decrypt is the same operation.
class TXOREncryptor : public StreamEncryptionInterface {
public:
    // The key is a byte string (code page 1251); an empty key raises std::invalid_argument.
    explicit TXOREncryptor(std::string key);

    void Encrypt(const void *source, void *destination, int64_t count, int64_t position) override;
    void Decrypt(const void *source, void *destination, int64_t count, int64_t position) override;

private:
    std::string Key;
};

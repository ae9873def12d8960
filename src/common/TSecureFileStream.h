#pragma once

#include "TFileStream.h"

#include <memory>
#include <string>

// A file stream that scrambles on the way out and descrambles on the way in. Because the
// scrambling is keyed by the absolute file position, reads and writes may use any chunk size
// and any seek. Every Read and Write works with a fresh encryptor made from Key.
template <class Encryptor> class TSecureFileStream : public TFileStream {
public:
    TSecureFileStream(const std::string &fileName, std::string key, unsigned mode)
        : TFileStream(fileName, mode), Key(std::move(key)) {}

    int64_t Read(void *buffer, int64_t count) override {
        const int64_t position = Position();
        const int64_t done = TFileStream::Read(buffer, count);
        // Only the bytes actually read are descrambled; the rest of the buffer is left alone.
        if (done > 0) {
            Encryptor encryptor(Key);
            encryptor.Decrypt(buffer, buffer, done, position);
        }
        return done;
    }

    // The caller's buffer is left unchanged: the scrambled copy goes to a buffer of its own.
    int64_t Write(const void *buffer, int64_t count) override {
        if (count <= 0)
            return 0;
        const int64_t position = Position();
        std::unique_ptr<char[]> scrambled = std::make_unique_for_overwrite<char[]>(count);
        Encryptor encryptor(Key);
        encryptor.Encrypt(buffer, scrambled.get(), count, position);
        return TFileStream::Write(scrambled.get(), count);
    }

    const std::string Key;
};

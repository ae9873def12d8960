#pragma once

#include <cstdint>

// A pluggable scrambler for file streams. The result may depend on the byte's offset in the
// file (position = offset of the first of the count bytes), never on how the data is chunked.
// Source and destination may be the same buffer.
class StreamEncryptionInterface {
public:
    virtual void Encrypt(const void *source, void *destination, int64_t count,
                         int64_t position) = 0;
    virtual void Decrypt(const void *source, void *destination, int64_t count,
                         int64_t position) = 0;
    virtual ~StreamEncryptionInterface() = default;
};

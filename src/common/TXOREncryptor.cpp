#include "TXOREncryptor.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

// Whole multiples of the key are laid out in a pattern of at least this many bytes, so that large
// buffers are combined in long runs instead of one key period (48 bytes) at a time.
constexpr int64_t kPatternBytes = 4096;

// dst = src XOR key for n bytes, eight at a time where possible (memcpy keeps it alignment-safe
// and lets the compiler use plain word loads).
void XorRun(const unsigned char *src, const unsigned char *key, unsigned char *dst, int64_t n) {
    int64_t j = 0;
    for (; j + 8 <= n; j += 8) {
        uint64_t a, b;
        std::memcpy(&a, src + j, 8);
        std::memcpy(&b, key + j, 8);
        a ^= b;
        std::memcpy(dst + j, &a, 8);
    }
    for (; j < n; ++j)
        dst[j] = static_cast<unsigned char>(src[j] ^ key[j]);
}

} // namespace

TXOREncryptor::TXOREncryptor(std::string key) : Key(std::move(key)) {
    if (Key.empty())
        throw std::invalid_argument("TXOREncryptor: the key must not be empty");
}

void TXOREncryptor::Encrypt(const void *source, void *destination, int64_t count,
                            int64_t position) {
    if (count <= 0)
        return;
    const auto *src = static_cast<const unsigned char *>(source);
    auto *dst = static_cast<unsigned char *>(destination);
    const int64_t length = static_cast<int64_t>(Key.size());
    int64_t k = position % length;
    if (k < 0)
        k += length;

    // The byte at file offset p meets key byte p mod L. A pattern made of whole key periods
    // keeps that alignment: after a run to its end, the next run starts at key byte 0 again.
    std::string repeated;
    const std::string *pattern = &Key;
    if (count > 2 * length && length < kPatternBytes) {
        const int64_t periods = (kPatternBytes + length - 1) / length;
        repeated.reserve(static_cast<std::size_t>(periods * length));
        for (int64_t i = 0; i < periods; ++i)
            repeated += Key;
        pattern = &repeated;
    }
    const auto *key = reinterpret_cast<const unsigned char *>(pattern->data());
    const auto patternLength = static_cast<int64_t>(pattern->size());

    int64_t done = 0;
    while (done < count) {
        const int64_t run = std::min(patternLength - k, count - done);
        XorRun(src + done, key + k, dst + done, run);
        done += run;
        k = 0;
    }
}

void TXOREncryptor::Decrypt(const void *source, void *destination, int64_t count,
                            int64_t position) {
    Encrypt(source, destination, count, position);
}

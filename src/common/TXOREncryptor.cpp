#include "TXOREncryptor.h"

#include <algorithm>
#include <stdexcept>

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
    const auto *key = reinterpret_cast<const unsigned char *>(Key.data());
    const int64_t length = static_cast<int64_t>(Key.size());
    int64_t k = position % length;
    if (k < 0)
        k += length;
    // Work in runs that stay inside one period of the key, so the inner loop has no modulo and
    // the compiler can vectorise it; large files are streamed through here.
    int64_t done = 0;
    while (done < count) {
        const int64_t run = std::min(length - k, count - done);
        const unsigned char *keyRun = key + k;
        for (int64_t j = 0; j < run; ++j)
            dst[done + j] = static_cast<unsigned char>(src[done + j] ^ keyRun[j]);
        done += run;
        k = 0;
    }
}

void TXOREncryptor::Decrypt(const void *source, void *destination, int64_t count,
                            int64_t position) {
    Encrypt(source, destination, count, position);
}

#include "AppDirFixture.h"
#include "TSecureFileStream.h"
#include "TXOREncryptor.h"
#include "Utils.h"

#include <gtest/gtest.h>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string kKey = "k3y!"; // short, so chunks cross the period often

std::string Scramble(const std::string &plain, int64_t position, const std::string &key = kKey) {
    std::string out(plain.size(), '\0');
    TXOREncryptor(key).Encrypt(plain.data(), out.data(), static_cast<int64_t>(plain.size()),
                               position);
    return out;
}

std::string Sample(std::size_t size) {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    return text;
}

} // namespace

TEST(XOREncryptor, KeyIsAlignedWithTheStartOfTheFile) {
    // The key twice at offset 0 and the key rotated by one at offset 1 both cancel out.
    EXPECT_EQ(Scramble(kKey + kKey, 0), std::string(2 * kKey.size(), '\0'));
    EXPECT_EQ(Scramble(kKey.substr(1) + kKey[0], 1), std::string(kKey.size(), '\0'));

    // Position-keyed: scrambling in pieces at their offsets equals scrambling the whole.
    const std::string plain = Sample(101);
    const std::string whole = Scramble(plain, 5);
    EXPECT_EQ(Scramble(plain.substr(0, 3), 5) + Scramble(plain.substr(3, 50), 8) +
                  Scramble(plain.substr(53), 58),
              whole);

    // Decrypt in place undoes Encrypt at any position.
    for (int64_t position : {0, 1, 3, 4, 1000003}) {
        std::string data = Scramble(plain, position);
        TXOREncryptor(kKey).Decrypt(data.data(), data.data(), static_cast<int64_t>(data.size()),
                                    position);
        EXPECT_EQ(data, plain) << position;
    }
    EXPECT_THROW(TXOREncryptor(""), std::invalid_argument);
}

TEST(XOREncryptor, LongBuffersFollowTheByteFormulaAcrossKeyPeriods) {
    // Large buffers are combined in long runs; every byte must still meet key byte (p+j) mod L.
    const std::string plain = Sample(10007);
    for (const std::string &key :
         {std::string("k3y!x"), std::string(48, '\x5A') + "7", Sample(5000)}) {
        for (int64_t position : {0, 3, 4095, 4097, 123456789}) {
            const std::string scrambled = Scramble(plain, position, key);
            std::size_t wrong = 0;
            for (std::size_t j = 0; j < plain.size(); ++j) {
                const char expected =
                    static_cast<char>(plain[j] ^ key[(position + j) % key.size()]);
                wrong += scrambled[j] != expected;
            }
            EXPECT_EQ(wrong, 0u) << "key length " << key.size() << " at " << position;
        }
    }
}

class SecureStream : public AppDirTest {};

TEST_F(SecureStream, ChunkingOfWritesAndReadsDoesNotMatter) {
    const std::string plain = Sample(1000);
    const std::string single = Path("single.bin");
    const std::string pieces = Path("pieces.bin");
    {
        TSecureFileStream<TXOREncryptor> out(single, kKey, fmCreate);
        std::string copy = plain;
        EXPECT_EQ(out.Write(copy.data(), 1000), 1000);
        EXPECT_EQ(copy, plain); // the caller's buffer is left unchanged
    }
    {
        TSecureFileStream<TXOREncryptor> out(pieces, kKey, fmCreate);
        std::size_t done = 0;
        for (std::size_t size : {1, 2, 3, 0, 7, 500, 487}) {
            const int64_t before = out.Position();
            EXPECT_EQ(out.Write(plain.data() + done, static_cast<int64_t>(size)),
                      static_cast<int64_t>(size));
            EXPECT_EQ(out.Position(), before + static_cast<int64_t>(size));
            done += size;
        }
        ASSERT_EQ(done, plain.size());
    }
    EXPECT_EQ(ReadTextFile(single), Scramble(plain, 0));
    EXPECT_EQ(ReadTextFile(pieces), ReadTextFile(single));

    TSecureFileStream<TXOREncryptor> in(pieces, kKey, fmOpenRead | fmShareDenyNone);
    std::string back;
    std::vector<char> buffer(333);
    for (int64_t got; (got = in.Read(buffer.data(), 333)) > 0;)
        back.append(buffer.data(), static_cast<std::size_t>(got));
    EXPECT_EQ(back, plain);

    // After a seek, reads and overwrites stay consistent with the absolute position.
    in.Seek(777, TSeekOrigin::soBeginning);
    char one = 0;
    ASSERT_EQ(in.Read(&one, 1), 1);
    EXPECT_EQ(one, plain[777]);
    {
        TSecureFileStream<TXOREncryptor> edit(pieces, kKey, fmOpenReadWrite);
        edit.Seek(-10, TSeekOrigin::soEnd);
        EXPECT_EQ(edit.Write("ABCDEFGHIJ", 10), 10);
    }
    EXPECT_EQ(ReadTextFile(pieces), Scramble(plain.substr(0, 990) + "ABCDEFGHIJ", 0));
}

TEST_F(SecureStream, ShortReadReturnsWhatIsThereAndMissingFileThrows) {
    WriteTextFile(Path("short.bin"), Scramble("abc", 0), false);
    TSecureFileStream<TXOREncryptor> in(Path("short.bin"), kKey, fmOpenRead);
    char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(in.Read(buffer, 8), 3);
    EXPECT_EQ(std::string(buffer, 8), "abcxxxxx");

    EXPECT_THROW(TSecureFileStream<TXOREncryptor>(Path("missing.bin"), kKey, fmOpenRead),
                 EFOpenError);
    EXPECT_FALSE(QFile::exists(FromCp1251(Path("missing.bin"))));
    EXPECT_THROW(TSecureFileStream<TXOREncryptor>(Path("no/such/dir.bin"), kKey, fmCreate),
                 EFCreateError);
}

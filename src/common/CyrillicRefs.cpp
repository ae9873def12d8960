#include "CyrillicRefs.h"

namespace {

constexpr std::size_t kRefLength = 7; // "&#x" + three hex digits + ";"

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F') // the server writes capitals; a small letter is not a match
        return c - 'A' + 10;
    return -1;
}

// The code page 1251 byte of a reference's code point, or -1 when it is not a Cyrillic letter
// of the code page's main block (А-Я, а-я, Ё, ё).
int LetterByte(const char *digits) {
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        const int digit = HexDigit(digits[i]);
        if (digit < 0)
            return -1;
        code = code * 16 + digit;
    }
    if (code >= 0x410 && code <= 0x44F)
        return 0xC0 + (code - 0x410);
    if (code == 0x401)
        return 0xA8;
    if (code == 0x451)
        return 0xB8;
    return -1;
}

} // namespace

std::string DecodeCyrillicRefs(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + kRefLength <= text.size() && text[i] == '&' && text[i + 1] == '#' &&
            text[i + 2] == 'x' && text[i + 6] == ';') {
            const int byte = LetterByte(text.data() + i + 3);
            if (byte >= 0)
                out += static_cast<char>(byte);
            i += kRefLength;
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

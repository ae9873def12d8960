#include "Utf8Cp1251.h"

#include <array>
#include <cstdint>
#include <utility>

namespace velmora {

namespace {

// The few non-letter characters outside ASCII that the program's texts use.
constexpr std::array<std::pair<char32_t, unsigned char>, 12> Punctuation{{
    {U'\u00A0', 0xA0}, // no-break space
    {U'\u00AB', 0xAB}, // «
    {U'\u00B0', 0xB0}, // °
    {U'\u00B1', 0xB1}, // ±
    {U'\u00BB', 0xBB}, // »
    {U'\u2013', 0x96}, // –
    {U'\u2014', 0x97}, // —
    {U'\u2018', 0x91}, // ‘
    {U'\u2019', 0x92}, // ’
    {U'\u201C', 0x93}, // “
    {U'\u201D', 0x94}, // ”
    {U'\u2026', 0x85}, // …
}};
constexpr char32_t NumeroSign = U'\u2116'; // №
constexpr unsigned char NumeroByte = 0xB9;

char ToByte(char32_t c) {
    if (c < 0x80)
        return static_cast<char>(c);
    if (c >= U'\u0410' && c <= U'\u044F') // А..я are contiguous in both
        return static_cast<char>(0xC0 + (c - U'\u0410'));
    if (c == U'\u0401') // Ё
        return static_cast<char>(0xA8);
    if (c == U'\u0451') // ё
        return static_cast<char>(0xB8);
    if (c == NumeroSign)
        return static_cast<char>(NumeroByte);
    for (const auto &[code, byte] : Punctuation)
        if (code == c)
            return static_cast<char>(byte);
    return '?';
}

char32_t FromByte(unsigned char b) {
    if (b < 0x80)
        return b;
    if (b >= 0xC0)
        return U'\u0410' + (b - 0xC0);
    if (b == 0xA8)
        return U'\u0401';
    if (b == 0xB8)
        return U'\u0451';
    if (b == NumeroByte)
        return NumeroSign;
    for (const auto &[code, byte] : Punctuation)
        if (byte == b)
            return code;
    return U'?';
}

void AppendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 1;
        char32_t code = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            code = lead & 0x07;
        } else if (lead >= 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0x80) { // a continuation byte without its lead
            out.push_back('?');
            ++i;
            continue;
        }
        bool wellFormed = i + length <= utf8.size();
        for (std::size_t k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            wellFormed = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!wellFormed) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(ToByte(code));
        i += length;
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char c : cp1251)
        AppendUtf8(out, FromByte(static_cast<unsigned char>(c)));
    return out;
}

} // namespace velmora

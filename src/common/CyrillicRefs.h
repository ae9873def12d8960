#pragma once

#include <string>

// Replaces every seven-character reference "&#xHHH;" of a Cyrillic letter (А-я, Ё, ё; hex digits
// in capitals) by the letter's code page 1251 byte. A reference of that shape that is not such a
// letter is dropped; everything else, other references included, passes unchanged.
std::string DecodeCyrillicRefs(const std::string &text);

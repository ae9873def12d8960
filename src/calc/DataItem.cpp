#include "DataItem.h"

#include <charconv>
#include <system_error>

namespace velmora {

namespace {

constexpr std::size_t MaxDigits = 64;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

DataItem::DataItem(double minimum, double maximum)
    : min(static_cast<float>(minimum)), max(static_cast<float>(maximum)) {}

ParseOutcome DataItem::ParseText(std::string_view text, char decimalSeparator) {
    Clear();
    if (text.empty())
        return ParseOutcome::Empty;

    // Normalise to "digits.digits" for the conversion; a separator at either end is what the
    // user sees while typing and reads as if the missing digits were zeros.
    char buffer[MaxDigits + 2];
    std::size_t length = 0;
    bool separatorSeen = false;
    bool digitSeen = false;
    if (text.size() > MaxDigits)
        return ParseOutcome::Unreadable;
    for (char c : text) {
        if (IsDigit(c)) {
            digitSeen = true;
            buffer[length++] = c;
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
            if (length == 0)
                buffer[length++] = '0';
            buffer[length++] = '.';
        } else {
            return ParseOutcome::Unreadable;
        }
    }
    if (!digitSeen)
        return ParseOutcome::Unreadable;
    if (buffer[length - 1] == '.')
        --length;

    float x = 0.0f;
    const auto [end, error] = std::from_chars(buffer, buffer + length, x);
    if (error == std::errc::result_out_of_range) {
        // A number with a non-zero integer part overflowed; anything else (0.000...1)
        // underflowed and reads as 0.
        const std::string_view digits(buffer, length);
        const std::string_view integerPart = digits.substr(0, digits.find('.'));
        if (integerPart.find_first_not_of('0') != std::string_view::npos) {
            tooHigh = true;
            return ParseOutcome::TooHigh;
        }
        x = 0.0f;
    } else if (error != std::errc() || end != buffer + length) {
        return ParseOutcome::Unreadable;
    }

    if (x < min) {
        tooLow = true;
        return ParseOutcome::TooLow;
    }
    if (x > max) {
        tooHigh = true;
        return ParseOutcome::TooHigh;
    }
    value = x;
    valid = true;
    return ParseOutcome::Valid;
}

void DataItem::Assign(long double v) {
    const float x = static_cast<float>(v);
    tooLow = false;
    tooHigh = false;
    // Written so that a NaN from a faulty computation is absent as well.
    if (x > min && x <= max) {
        value = x;
        valid = true;
    } else {
        value = 0.0f;
        valid = false;
    }
}

void DataItem::Clear() {
    value = 0.0f;
    valid = false;
    tooLow = false;
    tooHigh = false;
}

} // namespace velmora

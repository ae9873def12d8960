#include "DataItem.h"

#include <charconv>
#include <string>
#include <system_error>

namespace velmora {

namespace {

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
    std::string normal;
    normal.reserve(text.size() + 1);
    bool separatorSeen = false;
    bool digitSeen = false;
    for (char c : text) {
        if (IsDigit(c)) {
            digitSeen = true;
            normal.push_back(c);
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
            if (normal.empty())
                normal.push_back('0');
            normal.push_back('.');
        } else {
            return ParseOutcome::Unreadable;
        }
    }
    if (!digitSeen)
        return ParseOutcome::Unreadable;
    if (normal.back() == '.')
        normal.pop_back();
    const char *buffer = normal.data();
    const std::size_t length = normal.size();

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

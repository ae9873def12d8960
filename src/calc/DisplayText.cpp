#include "DisplayText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace velmora {

namespace {

// Above this the cents no longer fit comfortably in an integer; such values never come from
// the calculator's bounded inputs, but they must still print sensibly.
constexpr double LargestCents = 1.0e15;

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

} // namespace

std::string FormatQuantity(float x, char decimalSeparator) {
    if (!(x > 0.0f) || !std::isfinite(x))
        return {};
    // x × 100 is exact in double: 24 significant bits times 7.
    const double scaled = static_cast<double>(x) * 100.0;
    if (scaled >= LargestCents) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", static_cast<double>(x));
        std::string s = text;
        s[s.find('.')] = decimalSeparator;
        return s;
    }
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    // The float is the nearest one to every decimal within half its spacing; if the half-way
    // cent lies there, the float stands for that half and is rounded up like it. Only a
    // fraction just below the half needs the (slower) look at the spacing.
    double tolerance = 0.0;
    if (fraction > 0.49 && fraction < 0.5) {
        const float next = std::nextafter(x, std::numeric_limits<float>::infinity());
        tolerance = (static_cast<double>(next) - x) * 100.0 / 2.0;
    }
    const auto cents = static_cast<std::uint64_t>(whole) + (fraction >= 0.5 - tolerance ? 1u : 0u);

    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, cents / 100);
    (void)error;
    const auto hundredths = static_cast<unsigned>(cents % 100);
    *end++ = decimalSeparator;
    *end++ = static_cast<char>('0' + hundredths / 10);
    *end++ = static_cast<char>('0' + hundredths % 10);
    return std::string(text, end);
}

std::string DateText(const std::tm &when) {
    return std::to_string(when.tm_mday) + '.' + std::to_string(when.tm_mon + 1) + '.' +
           std::to_string(when.tm_year + 1900);
}

std::string DateText() {
    return DateText(LocalNow());
}

std::string TimeText(const std::tm &when) {
    return std::to_string(when.tm_hour) + ':' + std::to_string(when.tm_min);
}

std::string TimeText() {
    return TimeText(LocalNow());
}

} // namespace velmora

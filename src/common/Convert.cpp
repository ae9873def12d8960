#include "Convert.h"

#include "Exceptions.h"

#include <QString>
#include <charconv>
#include <cstdint>
#include <limits>

namespace {

[[noreturn]] void ThrowNotInteger(const std::string &text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}

} // namespace

int StrToInt(const std::string &text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    // from_chars accepts no sign of its own here, so "--1" and "+-1" stay errors.
    if (i >= text.size() || text[i] == '-' || text[i] == '+')
        ThrowNotInteger(text);
    uint64_t magnitude = 0;
    const char *first = text.data() + i;
    const char *last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, magnitude, base);
    if (error != std::errc() || end != last)
        ThrowNotInteger(text);
    const uint64_t limit = negative ? uint64_t(std::numeric_limits<int32_t>::max()) + 1
                                    : uint64_t(std::numeric_limits<int32_t>::max());
    if (magnitude > limit)
        ThrowNotInteger(text);
    return negative ? static_cast<int>(-static_cast<int64_t>(magnitude))
                    : static_cast<int>(magnitude);
}

bool StrToBool(const std::string &text) {
    std::size_t first = text.find_first_not_of(' ');
    std::size_t last = text.find_last_not_of(' ');
    if (first != std::string::npos) {
        const std::string trimmed = text.substr(first, last - first + 1);
        double number = 0;
        auto [end, error] =
            std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
        if (error == std::errc() && end == trimmed.data() + trimmed.size())
            return number != 0;
    }
    const QString word = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    throw EConvertError("'" + text + "' is not a valid boolean value");
}

std::string BoolToStr(bool value) {
    return value ? "true" : "false";
}

#include "NumericKeyFilter.h"

#include "Cp1251.h"

namespace {

constexpr unsigned char Backspace = 8;

unsigned char LowSevenBits(QChar typed) {
    const std::string bytes = ToCp1251(QString(typed));
    return bytes.empty() ? 0 : static_cast<unsigned char>(bytes.front()) % 128;
}

} // namespace

KeyVerdict FilterNumericKey(QChar typed, NumericKeys keys, const QString &fieldText,
                            QChar separator) {
    const unsigned char c = LowSevenBits(typed);
    if ((c >= '0' && c <= '9') || c == Backspace)
        return {KeyVerdict::Accept, typed};
    if (keys == NumericKeys::Decimal && (c == ',' || c == '.')) {
        // The whole text counts, selected part included: a selection holding the separator does
        // not make room for a second one.
        if (fieldText.contains(separator))
            return {KeyVerdict::Discard, QChar()};
        return {KeyVerdict::Replace, separator};
    }
    return {KeyVerdict::Discard, QChar()};
}

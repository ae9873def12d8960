#pragma once

#include <string_view>

namespace velmora {

// What became of a field's text when it was read into a DataItem.
enum class ParseOutcome {
    Empty,      // no text: the value is absent, no message
    Valid,      // a number within the limits
    TooLow,     // a number below the minimum: absent, `tooLow` set
    TooHigh,    // a number above the maximum: absent, `tooHigh` set
    Unreadable, // no number at all (a lone separator, a stray character): absent
};

// One bounded single-precision quantity. A value that is not valid is absent and shows as an
// empty field; absent values are kept at 0 so that sums may simply add them.
class DataItem {
public:
    DataItem() = default;
    DataItem(double minimum, double maximum);

    // Reads a field's text: digits with at most one `decimalSeparator`, which may stand first or
    // last while the user is still typing ("1," reads 1, ",5" reads 0.5). The number is rounded
    // to single precision before the inclusive limits are tested. Clears the value and the
    // flags first, so every outcome but Valid leaves the value absent.
    ParseOutcome ParseText(std::string_view text, char decimalSeparator);

    // Stores a computed value. The lower limit is exclusive here: a result equal to `min`
    // (typically 0) or above `max` is absent. The wide argument is rounded to float once.
    void Assign(long double v);

    void Clear();

    float Value() const { return value; }
    bool IsValid() const { return valid; }
    void SetValid(bool b) { valid = b; }
    bool IsTooLow() const { return tooLow; }
    bool IsTooHigh() const { return tooHigh; }

    // The value an absent item contributes to a sum.
    float OrZero() const { return valid ? value : 0.0f; }

    float value = 0.0f;
    float min = 0.0f;
    float max = 1.0e6f;
    bool valid = false;
    bool tooLow = false;
    bool tooHigh = false;
};

} // namespace velmora

#pragma once

#include "DataItem.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

// One field written by a display routine: the control's objectName and the model value.
struct DisplayRow {
    std::string_view control;
    float value = 0.0f;
    bool present = false; // false: the value is absent and the field shows empty
    bool input = false;   // the row writes an input field (proposed doses, a reset)

    // The field's text: FormatQuantity of the value, or empty when absent.
    std::string Text(char decimalSeparator) const;
};

// The ordered list of fields one display routine writes. Fixed capacity: a display is built
// on every keystroke and must not allocate.
class DisplayTable {
public:
    static constexpr std::size_t Capacity = 32;

    void Add(std::string_view control, const DataItem &item);
    void AddInput(std::string_view control, const DataItem &item);
    // A plain float of the model (rates, concentrations): present when positive.
    void Add(std::string_view control, float value);

    const DisplayRow *begin() const { return rows_.data(); }
    const DisplayRow *end() const { return rows_.data() + size_; }
    std::size_t size() const { return size_; }
    const DisplayRow &operator[](std::size_t i) const { return rows_[i]; }
    // The first row writing `control`, or nullptr.
    const DisplayRow *Find(std::string_view control) const;

private:
    void Push(const DisplayRow &row);

    std::array<DisplayRow, Capacity> rows_{};
    std::size_t size_ = 0;
};

// The display routines. Every one of them is written under the display guard (`Refreshing`),
// so that its writes are not taken as input, except AllInputs: "Новый расчет" writes the
// emptied inputs back without the guard, and each field whose text changes runs its own
// change handling.
enum class Display {
    Needs,
    Parenteral,
    ParenteralDoses,
    Programme,
    Enteral,
    Balance,
    AllInputs,
};

inline bool IsGuarded(Display display) {
    return display != Display::AllInputs;
}

// The displays a recalculation asks for, in the order they are to be written.
class DisplayList {
public:
    static constexpr std::size_t Capacity = 8;

    DisplayList() = default;
    DisplayList(std::initializer_list<Display> displays) {
        for (Display d : displays)
            Add(d);
    }
    void Add(Display d) {
        if (size_ < Capacity)
            items_[size_++] = d;
    }
    bool Contains(Display d) const {
        for (Display item : *this)
            if (item == d)
                return true;
        return false;
    }
    const Display *begin() const { return items_.data(); }
    const Display *end() const { return items_.data() + size_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

private:
    std::array<Display, Capacity> items_{};
    std::size_t size_ = 0;
};

} // namespace velmora

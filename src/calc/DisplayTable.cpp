#include "DisplayTable.h"

#include "DisplayText.h"

#include <cassert>

namespace velmora {

std::string DisplayRow::Text(char decimalSeparator) const {
    return present ? FormatQuantity(value, decimalSeparator) : std::string();
}

void DisplayTable::Push(const DisplayRow &row) {
    assert(size_ < Capacity);
    if (size_ < Capacity)
        rows_[size_++] = row;
}

void DisplayTable::Add(std::string_view control, const DataItem &item) {
    Push({control, item.value, item.valid, false});
}

void DisplayTable::AddInput(std::string_view control, const DataItem &item) {
    Push({control, item.value, item.valid, true});
}

void DisplayTable::Add(std::string_view control, float value) {
    Push({control, value, value > 0.0f, false});
}

const DisplayRow *DisplayTable::Find(std::string_view control) const {
    for (const DisplayRow &row : *this)
        if (row.control == control)
            return &row;
    return nullptr;
}

} // namespace velmora

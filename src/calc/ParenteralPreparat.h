#pragma once

#include <string>

namespace velmora {

// A parenteral solution of the catalogue. Only the concentration is used; the other three
// figures of a catalogue entry are always 0 for these solutions.
class ParenteralPreparat {
public:
    void SetName(std::string text) { name = std::move(text); }
    void SetIndex(int i) { index = i; }
    void SetConcentration(float v) { concentration = v; }
    void SetValid(bool b) { valid = b; }

    // Copies a catalogue entry; the copy is valid.
    void Assign(const ParenteralPreparat &entry) {
        *this = entry;
        valid = true;
    }
    void Reset() { *this = ParenteralPreparat(); }

    std::string name;           // code page 1251
    int index = -1;             // -1: no entry
    float concentration = 0.0f; // grams of substance per ml of solution
    float unused[3] = {0.0f, 0.0f, 0.0f};
    bool valid = false;
};

} // namespace velmora

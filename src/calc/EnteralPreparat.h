#pragma once

#include <string>

namespace velmora {

// An enteral feed of the catalogue, composition per 100 ml.
class EnteralPreparat {
public:
    void SetName(std::string text) { name = std::move(text); }
    void SetIndex(int i) { index = i; }
    void SetProtein(float v) { protein = v; }
    void SetFat(float v) { fat = v; }
    void SetCarbohydrate(float v) { carbohydrate = v; }
    void SetEnergy(float v) { energy = v; }
    void SetValid(bool b) { valid = b; }

    // Copies a catalogue entry; the copy is valid.
    void Assign(const EnteralPreparat &entry) {
        *this = entry;
        valid = true;
    }
    void Reset() { *this = EnteralPreparat(); }

    std::string name;          // code page 1251
    int index = -1;            // -1: no feed chosen
    float protein = 0.0f;      // g per 100 ml
    float fat = 0.0f;          // g per 100 ml
    float carbohydrate = 0.0f; // g per 100 ml
    float energy = 0.0f;       // declared kcal per 100 ml; the calculation does not use it
    bool valid = false;
};

} // namespace velmora

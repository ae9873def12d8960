#pragma once

#include <functional>
#include <string>

namespace velmora {

class NutritionModel;

// What a print run reads besides the canvas: the calculation to print, the user's decimal
// separator, and the clock for the page header (date and time texts in code page 1251).
struct PrintContext {
    const NutritionModel *model = nullptr;
    char decimalSeparator = '.';
    std::function<std::string()> dateText;
    std::function<std::string()> timeText;
};

} // namespace velmora

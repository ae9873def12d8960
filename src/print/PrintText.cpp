#include "PrintText.h"

#include "Utf8Cp1251.h"

namespace velmora {

std::string PrintText(std::u8string_view utf8) {
    return Utf8ToCp1251(std::string_view(reinterpret_cast<const char *>(utf8.data()), utf8.size()));
}

} // namespace velmora

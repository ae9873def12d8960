#pragma once

#include <string>
#include <string_view>

namespace velmora {

// A UTF-8 literal of this program's source as the code page 1251 text the engine draws.
std::string PrintText(std::u8string_view utf8);

} // namespace velmora

#include "UpdateControl.h"

#include "Convert.h"
#include "Exceptions.h"

#include <pugixml.hpp>

namespace {

// The framework's text-to-integer conversion; blanks and line breaks around the value are
// tolerated because hand-edited control files often put it on a line of its own.
std::optional<int> ParseUpdateTime(const std::string &text) {
    const char *blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::nullopt;
    try {
        return StrToInt(text.substr(first, text.find_last_not_of(blanks) - first + 1));
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

} // namespace

std::optional<TUpdateControl> ParseUpdateControl(const std::string &text) {
    pugi::xml_document doc;
    // Read as UTF-8, which in pugixml means the bytes are kept as they are: code page 1251 text in
    // the versions survives unchanged.
    if (!doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8))
        return std::nullopt;
    const pugi::xml_node update = doc.document_element();
    if (std::string(update.name()) != "update")
        return std::nullopt;
    const pugi::xml_node time = update.child("UpdateTime");
    if (!time)
        return std::nullopt;
    const std::optional<int> updateTime = ParseUpdateTime(time.child_value());
    if (!updateTime)
        return std::nullopt;
    return TUpdateControl{*updateTime, update.child("UpdateFromVer").child_value(),
                          update.child("UpdateToVer").child_value()};
}

bool UpdateTimeAllows(int updateTime, bool launcherMode) {
    return updateTime == 1 || (updateTime == 0 && launcherMode) ||
           (updateTime == 2 && !launcherMode);
}

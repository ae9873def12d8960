#include "UpdateControl.h"

#include "Convert.h"
#include "Exceptions.h"

#include <pugixml.hpp>
#include <string_view>

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

// Whether the text starts the way a UTF-16 or UTF-32 XML document does: with its byte order mark,
// or with "<" next to zero bytes.
bool UnicodeWide(const std::string &text) {
    const auto starts = [&](std::string_view prefix) { return text.starts_with(prefix); };
    using namespace std::string_view_literals;
    return starts("\xFF\xFE"sv) || starts("\xFE\xFF"sv) || starts("\0\0\xFE\xFF"sv) ||
           starts("<\0"sv) || starts("\0<"sv);
}

} // namespace

std::optional<TUpdateControl> ParseUpdateControl(const std::string &text) {
    pugi::xml_document doc;
    // An 8-bit file is read as UTF-8, which in pugixml means the bytes are kept as they are: code
    // page 1251 text in the versions survives unchanged, whatever the declaration names. A file
    // saved as UTF-16 or UTF-32 is recognised by the library from its first bytes and converted.
    const pugi::xml_encoding encoding =
        UnicodeWide(text) ? pugi::encoding_auto : pugi::encoding_utf8;
    if (!doc.load_buffer(text.data(), text.size(), pugi::parse_default, encoding))
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

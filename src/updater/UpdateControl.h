#pragma once

#include <optional>
#include <string>

// The control file "mess.dat" of an update package.
struct TUpdateControl {
    int UpdateTime = 0;        // 0 launcher only, 1 either program, 2 main program only
    std::string UpdateFromVer; // installed version the package requires
    std::string UpdateToVer;   // version after installation
};

// Parses the text of "mess.dat" (code page 1251 bytes, left unconverted; a file saved as UTF-16
// or UTF-32 is read in its own encoding). Gives nothing when the
// text is not well-formed XML, has no "update" document element, or its UpdateTime is missing or
// not an integer: such a package cannot be judged and must not be installed.
std::optional<TUpdateControl> ParseUpdateControl(const std::string &text);

// Whether a package with this UpdateTime may be installed by the launcher (true) or by the main
// program (false).
bool UpdateTimeAllows(int updateTime, bool launcherMode);

#pragma once

#include <map>
#include <string>

// The whole content of a settings file: key -> value, both code page 1251. std::string orders
// keys byte by byte (unsigned), case-sensitive, which is the order the files are written in.
using TParamMap = std::map<std::string, std::string>;

// Key "=" value and a line feed per entry, in map order; nothing else.
std::string ParamsToText(const TParamMap &params);

// Reads "key=value" lines as installed programs have always read them: keys shorter than two
// characters are skipped, a carriage return before the line feed stays in the value, a value may
// contain "=", and a line without "=" is joined with the next one into a key with an empty value.
// A later line with the same key wins.
TParamMap TextToParams(const std::string &text);

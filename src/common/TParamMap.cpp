#include "TParamMap.h"

std::string ParamsToText(const TParamMap &params) {
    std::string text;
    for (const auto &[key, value] : params) {
        text += key;
        text += '=';
        text += value;
        text += '\n';
    }
    return text;
}

TParamMap TextToParams(const std::string &text) {
    // Installed programs parse exactly this way, and files written by them are read back by
    // this code, so the quirks stay: both positions are searched in the whole remaining text.
    TParamMap params;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t eq = text.find('=', start);
        std::size_t lf = text.find('\n', start);
        if (eq != std::string::npos && eq - start >= 2) {
            const std::size_t lineEnd = lf == std::string::npos ? text.size() : lf;
            std::string key = text.substr(start, eq - start);
            std::string value = lineEnd > eq + 1 ? text.substr(eq + 1, lineEnd - eq - 1) : "";
            params[std::move(key)] = std::move(value);
        }
        if (lf == std::string::npos)
            break;
        start = lf + 1;
    }
    return params;
}

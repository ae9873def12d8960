#include "Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString FromCp1251(std::string_view bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string ToCp1251(const QString &text) {
    QStringEncoder encoder("windows-1251");
    const QByteArray bytes = encoder.encode(text);
    std::string result(bytes.constData(), static_cast<std::size_t>(bytes.size()));

    // The converter marks a character the code page lacks with the control byte SUB (0x1A),
    // which would travel unnoticed into files; a visible "?" is what users expect. It emits one
    // byte per code point, so the two sequences can be walked side by side.
    if (result.find('\x1A') == std::string::npos)
        return result;
    std::size_t out = 0;
    for (qsizetype i = 0; i < text.size() && out < result.size(); ++i, ++out) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (result[out] == '\x1A' && (pair || text[i].unicode() != 0x1A))
            result[out] = '?';
        if (pair)
            ++i;
    }
    return result;
}

#include "TSecureFile.h"

#include "AtomicFile.h"
#include "Cp1251.h"
#include "TSecureFileStream.h"
#include "TXOREncryptor.h"

#include <QFileInfo>

const std::string &TSecureFile::Key() {
    static const std::string key =
        ToCp1251(QString::fromUtf8("kwpqmzrtnbxy8106725190617пешкурмяlokij&!^*gzcmwq"));
    return key;
}

std::optional<TParamMap> TSecureFile::Load(const std::string &fileName) {
    if (!QFileInfo::exists(FromCp1251(fileName)))
        return std::nullopt;
    TSecureFileStream<TXOREncryptor> stream(fileName, Key(), fmOpenRead | fmShareDenyNone);
    std::string text(static_cast<std::size_t>(stream.Size()), '\0');
    const int64_t got = stream.Read(text.data(), static_cast<int64_t>(text.size()));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return TextToParams(text);
}

void TSecureFile::Save(const TParamMap &params, const std::string &fileName) {
    ReplaceFileAtomically(
        fileName,
        [](const std::string &temp) {
            return new TSecureFileStream<TXOREncryptor>(temp, Key(), fmCreate);
        },
        ParamsToText(params));
}

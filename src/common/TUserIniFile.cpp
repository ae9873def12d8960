#include "TUserIniFile.h"

#include "AtomicFile.h"
#include "Cp1251.h"
#include "TFileStream.h"
#include "Utils.h"

#include <QFileInfo>

std::optional<TParamMap> TUserIniFile::Load(const std::string &fileName) {
    if (!QFileInfo::exists(FromCp1251(fileName)))
        return std::nullopt;
    return TextToParams(ReadTextFile(fileName));
}

void TUserIniFile::Save(const TParamMap &params, const std::string &fileName) {
    ReplaceFileAtomically(
        fileName, [](const std::string &temp) { return new TFileStream(temp, fmCreate); },
        ParamsToText(params));
}

#include "Utils.h"

#include "Cp1251.h"
#include "Exceptions.h"
#include "TFileStream.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

int64_t FileSizeOf(const std::string &fileName) {
    const QFileInfo info(FromCp1251(fileName));
    return info.exists() ? info.size() : -1;
}

std::string ReadTextFile(const std::string &fileName) {
    if (!QFileInfo::exists(FromCp1251(fileName)))
        throw Exception(ToCp1251(QString::fromUtf8("Файл ")) + fileName +
                        ToCp1251(QString::fromUtf8(" не найден.")));
    TFileStream stream(fileName, fmOpenRead | fmShareDenyNone);
    std::string text(static_cast<std::size_t>(std::max<int64_t>(FileSizeOf(fileName), 0)), '\0');
    const int64_t got = stream.Read(text.data(), static_cast<int64_t>(text.size()));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

void WriteTextFile(const std::string &fileName, const std::string &text, bool append) {
    TFileStream stream(fileName, append ? fmOpenReadWrite : fmCreate);
    if (append)
        stream.Seek(0, TSeekOrigin::soEnd);
    const auto size = static_cast<int64_t>(text.size());
    if (stream.Write(text.data(), size) != size)
        throw EFCreateError("Cannot write file \"" + fileName + "\"");
}

namespace {

// Windows file-mask matching: "*" any run, "?" any one character, letter case ignored.
bool MatchesMask(QStringView name, QStringView mask) {
    qsizetype n = 0, m = 0, starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() &&
            (mask[m] == u'?' || mask[m].toCaseFolded() == name[n].toCaseFolded())) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == u'*') {
            starMask = m++;
            starName = n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

// The reference platform's file system lists names in the order of their upper-cased UTF-16
// units; ties (names differing only in case cannot share a folder there) fall back to the bytes.
bool ListedBefore(const QString &a, const QString &b) {
    const int byUpper = QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive);
    if (byUpper != 0)
        return byUpper < 0;
    return a < b;
}

} // namespace

std::vector<std::string> FindFiles(const std::string &directory, const std::string &mask) {
    const QDir dir(FromCp1251(directory));
    const QString pattern = FromCp1251(mask);
    QStringList names = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const QString &name) { return !MatchesMask(name, pattern); }),
                names.end());
    std::sort(names.begin(), names.end(), ListedBefore);
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(names.size()));
    for (const QString &name : names)
        result.push_back(directory + ToCp1251(name));
    return result;
}

namespace {

bool DeleteTree(const QString &path) {
    QDir dir(path);
    // Entries of a read-only folder cannot be removed here; the folder goes anyway, so it is
    // made writable first (the reference platform ignores the read-only flag of folders).
    const QFileInfo self(path);
    if (!self.isWritable())
        QFile::setPermissions(path, self.permissions() | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadOwner);
    if (!dir.exists())
        return false;
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        const QString entryPath = entry.absoluteFilePath();
        // A link (or junction) is removed as such: following it could delete files anywhere.
        if (entry.isSymLink() || entry.isJunction()) {
            if (!QFile::remove(entryPath) && !QDir().rmdir(entryPath))
                return false;
        } else if (entry.isDir()) {
            if (!DeleteTree(entryPath))
                return false;
        } else {
            if (!entry.isWritable())
                QFile::setPermissions(entryPath, entry.permissions() | QFile::WriteOwner);
            if (!QFile::remove(entryPath))
                return false;
        }
    }
    return QDir().rmdir(path);
}

} // namespace

bool DeleteDirectory(const std::string &directory) {
    QString path = FromCp1251(directory);
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        path.chop(1);
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction())
        return QFile::remove(path);
    if (!info.isDir())
        return false;
    return DeleteTree(path);
}

#include "Utils.h"

#include "Cp1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <memory>
#include <zip.h>

namespace {

struct TZipCloser {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
struct TZipFileCloser {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// An entry name made relative and checked: update packages come over the network, and an entry
// such as "../x" or "/etc/x" must never land outside the target folder. Backslashes count as
// separators, as archivers on the reference platform write them.
bool SafeEntryName(QString name, QString &relative) {
    name.replace(u'\\', u'/');
    if (name.isEmpty() || name.startsWith(u'/'))
        return false;
    if (name.size() >= 2 && name[1] == u':') // drive letter
        return false;
    const QStringList parts = name.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String(".."))
            return false;
    }
    relative = name;
    return true;
}

// The entry's name as the unpacker of the reference platform reads it. Names marked as UTF-8 (and
// plain ASCII ones) are UTF-8, and so are unmarked names written on Unix. Any other unmarked name
// comes from an archiver of the reference platform, which writes it in the OEM code page: 866,
// the companion of code page 1251. Read as UTF-8, a Cyrillic file name of a package would
// become replacement characters, and its script would not find the file.
bool EntryName(zip_t *archive, zip_uint64_t index, QString &name) {
    const char *raw = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
    if (!raw)
        return false;
    const QByteArray rawName(raw);
    // The strict reading converts unmarked names from CP437, so it differs from the raw bytes
    // exactly when the name is unmarked and not plain ASCII.
    const char *strict = zip_get_name(archive, index, ZIP_FL_ENC_STRICT);
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (!strict || rawName == strict ||
        (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) == 0 &&
         system == ZIP_OPSYS_UNIX)) {
        name = QString::fromUtf8(rawName);
        return true;
    }
    name = QStringDecoder("IBM866").decode(rawName);
    return true;
}

bool ExtractEntry(zip_t *archive, zip_uint64_t index, const QString &path) {
    std::unique_ptr<zip_file_t, TZipFileCloser> entry(zip_fopen_index(archive, index, 0));
    if (!entry)
        return false;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t got = zip_fread(entry.get(), buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (out.write(buffer, got) != got)
            return false;
    }
    // Keep the owner's execute bit of entries made on Unix, so unpacked programs still run.
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) == 0 &&
        system == ZIP_OPSYS_UNIX && ((attributes >> 16) & 0100))
        out.setPermissions(out.permissions() | QFile::ExeOwner | QFile::ExeUser);
    return out.flush();
}

} // namespace

bool Unzip(const std::string &archive, const std::string &target, const std::string &options) {
    const bool overwrite = options.find("-o") != std::string::npos;
    int error = 0;
    std::unique_ptr<zip_t, TZipCloser> zip(
        zip_open(QFile::encodeName(FromCp1251(archive)).constData(), ZIP_RDONLY, &error));
    if (!zip)
        return false;
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count < 0)
        return false;

    // Check every name before writing anything: a refused archive leaves no trace.
    std::vector<QString> names(static_cast<std::size_t>(count));
    for (zip_int64_t i = 0; i < count; ++i) {
        QString name;
        if (!EntryName(zip.get(), static_cast<zip_uint64_t>(i), name) ||
            !SafeEntryName(name, names[static_cast<std::size_t>(i)]))
            return false;
    }

    const QString root = FromCp1251(target);
    if (!QDir().mkpath(root))
        return false;
    const QDir base(root);
    const QString realRoot = QFileInfo(root).canonicalFilePath();
    bool ok = true;
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString &name = names[static_cast<std::size_t>(i)];
        const QString path = base.filePath(name);
        if (name.endsWith(u'/')) {
            ok = QDir().mkpath(path) && ok;
            continue;
        }
        const QString parent = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(parent)) {
            ok = false;
            continue;
        }
        // A folder inside an existing target may be a link leading elsewhere; never write
        // through it.
        const QString realParent = QFileInfo(parent).canonicalFilePath();
        if (realParent != realRoot && !realParent.startsWith(realRoot + u'/')) {
            ok = false;
            continue;
        }
        const QFileInfo existing(path);
        if (existing.exists() || existing.isSymLink()) {
            if (!overwrite) {
                ok = false; // the unpacker would ask, and nobody is there to answer
                continue;
            }
            // Replace a link rather than writing through it.
            if (existing.isSymLink() || !existing.isDir())
                QFile::remove(path);
        }
        if (!ExtractEntry(zip.get(), static_cast<zip_uint64_t>(i), path))
            ok = false;
    }
    return ok;
}

#include "AtomicFile.h"

#include "Cp1251.h"
#include "Exceptions.h"
#include "TFileStream.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <memory>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

[[noreturn]] void ThrowCreate(const std::string &fileName, const QString &reason) {
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + ToCp1251(reason));
}

bool SyncToDisk(const QString &path) {
#ifdef Q_OS_WIN
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))) != 0;
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

} // namespace

void ReplaceFileAtomically(const std::string &fileName,
                           const std::function<TFileStream *(const std::string &)> &makeStream,
                           const std::string &contents) {
    const QString target = FromCp1251(fileName);
    const QFileInfo info(target);
    // Beside the target, so the final rename stays within one file system. The process id keeps
    // the two programs apart should they ever save at the same moment.
    const QString tempPath = info.absolutePath() + "/." + info.fileName() + "." +
                             QString::number(QCoreApplication::applicationPid()) + ".tmp";
    const std::string tempName = ToCp1251(tempPath);
    try {
        std::unique_ptr<TFileStream> stream(makeStream(tempName));
        const auto size = static_cast<int64_t>(contents.size());
        if (stream->Write(contents.data(), size) != size)
            ThrowCreate(fileName, QStringLiteral("Write failed"));
    } catch (...) {
        QFile::remove(tempPath);
        throw;
    }
    if (QFile::exists(target))
        QFile::setPermissions(tempPath, QFile::permissions(target));
    if (!SyncToDisk(tempPath)) {
        QFile::remove(tempPath);
        ThrowCreate(fileName, QStringLiteral("Flush failed"));
    }
#ifdef Q_OS_WIN
    const bool renamed = MoveFileExW(reinterpret_cast<LPCWSTR>(tempPath.utf16()),
                                     reinterpret_cast<LPCWSTR>(target.utf16()),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    const bool renamed = ::rename(QFile::encodeName(tempPath).constData(),
                                  QFile::encodeName(target).constData()) == 0;
#endif
    if (!renamed) {
        QFile::remove(tempPath);
        ThrowCreate(fileName, QStringLiteral("Rename failed"));
    }
}

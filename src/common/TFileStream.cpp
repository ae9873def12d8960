#include "TFileStream.h"

#include "Cp1251.h"
#include "Exceptions.h"

TFileStream::TFileStream(const std::string &fileName, unsigned mode)
    : Name(fileName), File(FromCp1251(fileName)) {
    // Unbuffered: Position() must be the file offset, which the scrambled stream keys on.
    if (mode == fmCreate) {
        if (!File.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered))
            throw EFCreateError("Cannot create file \"" + fileName + "\". " +
                                ToCp1251(File.errorString()));
        return;
    }
    QIODevice::OpenMode openMode = QIODevice::ReadOnly;
    if ((mode & 0x3) == fmOpenWrite)
        openMode = QIODevice::WriteOnly;
    else if ((mode & 0x3) == fmOpenReadWrite)
        openMode = QIODevice::ReadWrite;
    // Opening must not create a file: an open mode expects it to exist.
    if (!File.exists() || !File.open(openMode | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + ToCp1251(File.errorString()));
}

TFileStream::~TFileStream() = default;

int64_t TFileStream::Read(void *buffer, int64_t count) {
    if (count <= 0)
        return 0;
    return File.read(static_cast<char *>(buffer), count);
}

int64_t TFileStream::Write(const void *buffer, int64_t count) {
    if (count <= 0)
        return 0;
    return File.write(static_cast<const char *>(buffer), count);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t target = offset;
    if (origin == TSeekOrigin::soCurrent)
        target += File.pos();
    else if (origin == TSeekOrigin::soEnd)
        target += File.size();
    if (target >= 0)
        File.seek(target);
    return File.pos();
}

int64_t TFileStream::Position() const {
    return File.pos();
}

int64_t TFileStream::Size() const {
    return File.size();
}

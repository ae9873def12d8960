#pragma once

#include <QFile>
#include <cstdint>
#include <string>

// Open modes of TFileStream. Sharing flags are accepted for compatibility and have no effect.
enum : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFF00, // create, or truncate an existing file; read and write
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// Plain binary file stream. File names are code page 1251 texts.
// The constructor raises EFOpenError (open modes) or EFCreateError (fmCreate) on failure.
class TFileStream {
public:
    TFileStream(const std::string &fileName, unsigned mode);
    virtual ~TFileStream();

    TFileStream(const TFileStream &) = delete;
    TFileStream &operator=(const TFileStream &) = delete;

    // Reads up to count bytes at the current position; returns how many were read (a short read
    // is not an error; -1 on a device error).
    virtual int64_t Read(void *buffer, int64_t count);
    // Writes count bytes at the current position; returns how many were written (-1 on error).
    virtual int64_t Write(const void *buffer, int64_t count);
    // Moves the position; returns the new position.
    int64_t Seek(int64_t offset, TSeekOrigin origin);

    int64_t Position() const;
    int64_t Size() const;
    const std::string &FileName() const { return Name; }

private:
    std::string Name;
    mutable QFile File;
};

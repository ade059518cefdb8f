// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files from outside the program (a skin's pictures and settings, a registry file) are read
// only when they are regular files, and only up to a bound: a named pipe would block the
// program, and a device or a link to one (/dev/zero) would never end. Paths are the file
// system's own bytes, so names that are not valid UTF-8 still reach their files.

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// Bytes that can be read at any offset: a file, or memory (the fuzz targets, the tests).
class IByteSource {
public:
    virtual ~IByteSource() = default;
    virtual qint64 Size() const = 0;
    // Up to length bytes from offset into buffer; the number read, 0 at the end.
    virtual qint64 ReadAt(qint64 offset, char* buffer, qint64 length) = 0;
};

class TMemoryBytes final : public IByteSource {
public:
    explicit TMemoryBytes(QByteArray bytes) : Bytes(std::move(bytes)) {}
    qint64 Size() const override { return Bytes.size(); }
    qint64 ReadAt(qint64 offset, char* buffer, qint64 length) override;

private:
    QByteArray Bytes;
};

class TRegularFile final : public IByteSource {
public:
    // Opens path for reading without ever blocking; refused (IsOpen false, Error says why)
    // when it is not a regular file or is larger than maxSize bytes.
    TRegularFile(const QByteArray& path, qint64 maxSize);
    ~TRegularFile() override;
    TRegularFile(const TRegularFile&) = delete;
    TRegularFile& operator=(const TRegularFile&) = delete;

    enum class TRefusal { None, CannotOpen, NotRegular, TooLarge };

    bool IsOpen() const { return Fd >= 0; }
    TRefusal Refusal() const { return Refused; }
    const QString& Error() const { return Why; }
    qint64 Size() const override { return FileSize; }
    qint64 ReadAt(qint64 offset, char* buffer, qint64 length) override;
    // The first maxBytes bytes (all of them when negative).
    QByteArray Read(qint64 maxBytes = -1);

private:
    int Fd = -1;
    qint64 FileSize = 0;
    TRefusal Refused = TRefusal::None;
    QString Why;
};

// Everything an open stream (a pipe, a terminal, a file) gives until its end, which may
// come in pieces over any length of time; nullopt, with why, when it gives more than
// maxSize bytes or cannot be read.
std::optional<QByteArray> ReadToEnd(int fd, qint64 maxSize, QString* why);

// Writes bytes as the whole of the file at path, so that a failure never leaves half a
// file: a regular file, or a name not taken yet, is written beside it under a hidden name
// and renamed into its place once complete and on disk; anything else (a device, a pipe
// such as /dev/stdout) is written straight and its close checked. False, with why (the
// system's reason), on failure. QSaveFile does the same, but names files as text, which
// cannot name every file (a name that is not UTF-8), and would rename over a device.
bool WriteWholeFile(const QByteArray& path, const QByteArray& bytes, QString* why);

// What a file-system name says as text: UTF-8 when it is valid UTF-8, else single-byte
// Latin-1, as the program reads all single-byte text.
QString TextOfName(const QByteArray& name);

} // namespace platform

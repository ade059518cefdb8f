// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

qint64 TMemoryBytes::ReadAt(qint64 offset, char* buffer, qint64 length) {
    if (offset < 0 || offset >= Bytes.size() || length <= 0)
        return 0;
    const qint64 n = std::min(length, Bytes.size() - offset);
    std::memcpy(buffer, Bytes.constData() + offset, size_t(n));
    return n;
}

TRegularFile::TRegularFile(const QByteArray& path, qint64 maxSize) {
    // O_NONBLOCK: a named pipe without a writer is refused below instead of waited on.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        Refused = TRefusal::CannotOpen;
        Why = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        Refused = TRefusal::NotRegular;
        Why = QStringLiteral("not a regular file");
        ::close(fd);
        return;
    }
    if (st.st_size > maxSize) {
        Refused = TRefusal::TooLarge;
        Why = QStringLiteral("larger than %1 bytes").arg(maxSize);
        ::close(fd);
        return;
    }
    Fd = fd;
    FileSize = st.st_size;
}

TRegularFile::~TRegularFile() {
    if (Fd >= 0)
        ::close(Fd);
}

qint64 TRegularFile::ReadAt(qint64 offset, char* buffer, qint64 length) {
    if (Fd < 0 || offset < 0 || length <= 0)
        return 0;
    for (;;) {
        const ssize_t n = ::pread(Fd, buffer, size_t(length), off_t(offset));
        if (n >= 0)
            return n;
        if (errno != EINTR)
            return 0;
    }
}

QByteArray TRegularFile::Read(qint64 maxBytes) {
    const qint64 wanted = maxBytes < 0 ? FileSize : std::min(maxBytes, FileSize);
    QByteArray bytes(wanted, Qt::Uninitialized);
    qint64 got = 0;
    while (got < wanted) {
        const qint64 n = ReadAt(got, bytes.data() + got, wanted - got);
        if (n <= 0)
            break; // the file shrank meanwhile
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

QString TextOfName(const QByteArray& name) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(name);
    return utf8.hasError() ? QString::fromLatin1(name) : text;
}

std::optional<QByteArray> ReadToEnd(int fd, qint64 maxSize, QString* why) {
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            return bytes;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A stream another program left non-blocking: wait for its next piece.
            pollfd ready{fd, POLLIN, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        if (n < 0) {
            *why = QString::fromLocal8Bit(std::strerror(errno));
            return std::nullopt;
        }
        if (bytes.size() + n > maxSize) {
            *why = QStringLiteral("more than %1 bytes").arg(maxSize);
            return std::nullopt;
        }
        bytes.append(buffer, n);
    }
}

namespace {

bool WriteAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

bool WriteWholeFile(const QByteArray& path, const QByteArray& bytes, QString* why) {
    const auto fail = [why](int error) {
        *why = QString::fromLocal8Bit(std::strerror(error));
        return false;
    };
    struct stat st;
    const bool exists = ::stat(path.constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        const int fd = ::open(path.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return fail(errno);
        const bool written = WriteAll(fd, bytes);
        const int error = errno;
        if (::close(fd) != 0 && written)
            return fail(errno);
        return written || fail(error);
    }
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray base = path.left(slash + 1) + '.' + path.mid(slash + 1) + '.' +
                            QByteArray::number(::getpid()) + '-';
    QByteArray temp;
    int fd = -1;
    for (int i = 0; fd < 0 && i < 100; ++i) {
        temp = base + QByteArray::number(i);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(errno);
    // An existing file keeps its permissions; a new one takes the umask's.
    bool written = (!exists || ::fchmod(fd, st.st_mode & 07777) == 0) && WriteAll(fd, bytes) &&
                   ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temp.constData(), path.constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written)
        ::unlink(temp.constData());
    return written || fail(error);
}

} // namespace platform

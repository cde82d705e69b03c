// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/FileAccessDetail.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace parlomatic::files {

using detail::failure;

namespace {

constexpr qint64 lockWaitMs = 10000;

QString systemError(int error) {
    return qt_error_string(error);
}

// Closes the descriptor when it goes out of scope; release() hands it over.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

FileStamp stampOf(const struct stat& info) {
    return FileStamp{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino),
                     static_cast<qint64>(info.st_size),
                     static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

QString notRegular(const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        return QCoreApplication::translate("FileAccess", "It is a folder, not a file.");
    return QCoreApplication::translate("FileAccess", "It is not a regular file (a pipe, a device or a socket).");
}

} // namespace

std::optional<FileRead> detail::readOnce(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const int error = errno;
        if (error == ENOENT)
            return FileRead{};
        return detail::failedRead(detail::cannotRead(systemError(error)));
    }
    struct stat before {};
    if (::fstat(fd.get(), &before) != 0)
        return detail::failedRead(detail::cannotRead(systemError(errno)));
    if (!S_ISREG(before.st_mode))
        return detail::failedRead(notRegular(before));
    if (before.st_size > sizeLimit)
        return detail::failedRead(detail::tooLargeReason());

    FileRead read = detail::readToEnd(
        before.st_size,
        [&](char* into, qint64 room) {
            ssize_t got;
            do
                got = ::read(fd.get(), into, static_cast<size_t>(room));
            while (got < 0 && errno == EINTR);
            return static_cast<qint64>(got);
        },
        [] { return systemError(errno); });
    if (read.status != FileRead::Read)
        return read;
    struct stat after {};
    if (::fstat(fd.get(), &after) != 0)
        return detail::failedRead(detail::cannotRead(systemError(errno)));
    read.stamp = stampOf(after);
    if (read.stamp != stampOf(before) || read.bytes.size() != after.st_size)
        return std::nullopt;
    return read;
}

namespace {

// Writes all of bytes from offset on; false with errno set when any write fails.
bool writeAll(int fd, QByteArrayView bytes, off_t offset) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::pwrite(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done), offset + done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

Replacement writeFailure(int error) {
    //: %1 is the system's reason
    return failure(QCoreApplication::translate("FileAccess", "It cannot be written: %1.").arg(systemError(error)));
}

// The folder refuses new files but the file itself may be written: the only
// way left to change it is to rewrite it where it is. That gives up the
// all-or-nothing rename, so the room for the new bytes is reserved first (a
// full disk fails here, before any byte changes) and every write is checked;
// only a failing disk between the reservation and the sync can still leave a
// mixed file.
Replacement rewriteInPlace(const QByteArray& name, const struct stat& old, QByteArrayView bytes,
                           const std::function<bool()>& stillCurrent) {
    Descriptor fd(::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        //: %1 is the system's reason
        return failure(QCoreApplication::translate("FileAccess", "Neither it nor its folder can be written: %1.")
                           .arg(systemError(errno)));
    struct stat now {};
    if (::fstat(fd.get(), &now) != 0 || !S_ISREG(now.st_mode) || now.st_ino != old.st_ino || now.st_dev != old.st_dev ||
        !stillCurrent())
        return Replacement{Replacement::Abandoned, {}, {}};
    if (bytes.size() > now.st_size) {
        if (const int error = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(bytes.size())); error != 0)
            return writeFailure(error);
    }
    if (!writeAll(fd.get(), bytes, 0) || ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0 ||
        ::fsync(fd.get()) != 0)
        return failure(QCoreApplication::translate(
                           "FileAccess", "It was being rewritten in place (its folder cannot be written) and that "
                                         "failed: %1. Restore it from the backup.")
                           .arg(systemError(errno)));
    struct stat written {};
    if (::fstat(fd.get(), &written) != 0 || ::close(fd.release()) != 0)
        return writeFailure(errno);
    return Replacement{Replacement::Replaced, {}, stampOf(written)};
}

// A new file beside fileName, named in temporaryName; -1 with errno set when none can be made.
int createTemporary(int folderFd, const QString& fileName, QString& temporaryName) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryName = detail::temporaryName(fileName);
        const int fd = ::openat(folderFd, QFile::encodeName(temporaryName).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

WriterLock::~WriterLock() {
    if (m_handle >= 0)
        ::close(static_cast<int>(m_handle)); // closing the descriptor releases the lock
}

Result WriterLock::acquire(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        //: %1 is the system's reason
        return Result::failure(
            QCoreApplication::translate("FileAccess", "Its folder cannot be opened: %1.").arg(systemError(errno)));
    m_handle = fd;
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            //: %1 is the system's reason
            return Result::failure(
                QCoreApplication::translate("FileAccess", "Its folder cannot be locked: %1.").arg(systemError(errno)));
        if (waited.hasExpired(lockWaitMs))
            return Result::failure(QCoreApplication::translate(
                "FileAccess", "Another Parlomatic has been writing in its folder for ten seconds; "
                              "nothing was written."));
        QThread::msleep(5);
    }
    return Result::success();
}

Replacement replaceFile(const QString& path, QByteArrayView bytes, const std::function<bool()>& stillCurrent) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QString fileName = info.fileName();
    const QByteArray name = QFile::encodeName(path);
    Descriptor folderFd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.get() < 0)
        //: %1 is the system's reason
        return failure(
            QCoreApplication::translate("FileAccess", "Its folder cannot be opened: %1.").arg(systemError(errno)));
    detail::removeLeftoverTemporaries(folder, fileName);

    struct stat old {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return failure(notRegular(old));
    // The rename would replace a read-only file as easily as any other; its owner made it read-only to keep it.
    if (exists && ::access(name.constData(), W_OK) != 0)
        //: %1 is the system's reason
        return failure(QCoreApplication::translate("FileAccess", "It is read-only: %1.").arg(systemError(errno)));

    QString temporaryName;
    Descriptor fd(createTemporary(folderFd.get(), fileName, temporaryName));
    if (fd.get() < 0) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM))
            return rewriteInPlace(name, old, bytes, stillCurrent);
        //: %1 is the system's reason
        return failure(QCoreApplication::translate("FileAccess", "No new file can be made beside it: %1.")
                           .arg(systemError(error)));
    }
    const auto discard = [&](Replacement result) {
        ::unlinkat(folderFd.get(), QFile::encodeName(temporaryName).constData(), 0);
        return result;
    };
    if (exists) {
        // Written by root (sudo) for a player, the profile must stay the player's,
        // or the game can no longer save it. Another user cannot give files away;
        // the new file is then that user's, as any rewrite by them would be.
        if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0 && errno != EPERM)
            return discard(writeFailure(errno));
        if (::fchmod(fd.get(), old.st_mode & 07777) != 0)
            return discard(writeFailure(errno));
    }
    struct stat written {};
    if (!writeAll(fd.get(), bytes, 0) || ::fsync(fd.get()) != 0 || ::fstat(fd.get(), &written) != 0)
        return discard(writeFailure(errno));
    if (!stillCurrent())
        return discard(Replacement{Replacement::Abandoned, {}, {}});
    if (::close(fd.release()) != 0)
        return discard(writeFailure(errno));
    if (::renameat(folderFd.get(), QFile::encodeName(temporaryName).constData(), folderFd.get(),
                   QFile::encodeName(fileName).constData()) != 0)
        return discard(writeFailure(errno));
    // The rename is done and the new bytes are synced; a folder that cannot be
    // synced only risks the rename itself at a power cut, not the content.
    ::fsync(folderFd.get());
    return Replacement{Replacement::Replaced, {}, stampOf(written)};
}

} // namespace parlomatic::files

// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/FileAccessDetail.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include <windows.h>

namespace parlomatic::files {

using detail::failure;

namespace {

constexpr DWORD lockWaitMs = 10000;
// The game or a virus scanner may hold the profile open without sharing for a moment.
constexpr qint64 sharingRetryMs = 1000;

QString systemError(DWORD error) {
    // Windows ends its texts with a full stop; the sentences they go into have their own.
    QString text = qt_error_string(static_cast<int>(error));
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

bool isSharingConflict(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Replacing a file that another program holds open without delete sharing
// fails with "access denied", not a sharing violation: the same passing hold.
bool isHeldOpen(DWORD error) {
    return isSharingConflict(error) || error == ERROR_ACCESS_DENIED;
}

// Runs attempt until it succeeds or fails for a reason for which passing
// does not hold (by default a sharing conflict), for about a second.
template <typename Attempt> auto retryWhileShared(Attempt attempt, bool (*passing)(DWORD) = isSharingConflict) {
    QElapsedTimer waited;
    waited.start();
    while (true) {
        auto result = attempt();
        const DWORD error = GetLastError();
        if (result || !passing(error) || waited.hasExpired(sharingRetryMs)) {
            SetLastError(error);
            return result;
        }
        QThread::msleep(20);
    }
}

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    ~Handle() {
        if (valid())
            CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE get() const { return m_handle; }
    HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }

private:
    HANDLE m_handle;
};

bool stampOf(HANDLE file, FileStamp& stamp) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info))
        return false;
    stamp.device = info.dwVolumeSerialNumber;
    stamp.fileNumber = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    stamp.size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    // FILETIME counts 100 ns ticks since 1601.
    constexpr qint64 ticksFrom1601To1970 = 116444736000000000;
    const qint64 ticks =
        qint64((quint64(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime);
    stamp.modified = (ticks - ticksFrom1601To1970) * 100;
    return true;
}

} // namespace

std::optional<FileRead> detail::readOnce(const QString& path) {
    const std::wstring name = wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return detail::failedRead(QCoreApplication::translate("FileAccess", "It is a folder, not a file."));
    Handle file(retryWhileShared([&] {
        const HANDLE handle =
            CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return FileRead{};
        return detail::failedRead(detail::cannotRead(systemError(error)));
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return detail::failedRead(
            QCoreApplication::translate("FileAccess", "It is not a regular file (a pipe or a device)."));
    FileStamp before;
    if (!stampOf(file.get(), before))
        return detail::failedRead(detail::cannotRead(systemError(GetLastError())));
    if (before.size > sizeLimit)
        return detail::failedRead(detail::tooLargeReason());

    FileRead read = detail::readToEnd(
        before.size,
        [&](char* into, qint64 room) {
            DWORD got = 0;
            if (!ReadFile(file.get(), into, static_cast<DWORD>(std::min<qint64>(room, 1 << 20)), &got, nullptr))
                return qint64(-1);
            return qint64(got);
        },
        [] { return systemError(GetLastError()); });
    if (read.status != FileRead::Read)
        return read;
    if (!stampOf(file.get(), read.stamp))
        return detail::failedRead(detail::cannotRead(systemError(GetLastError())));
    if (read.stamp != before || read.bytes.size() != read.stamp.size)
        return std::nullopt;
    return read;
}

namespace {

Replacement writeFailure(DWORD error) {
    //: %1 is the system's reason
    return failure(QCoreApplication::translate("FileAccess", "It cannot be written: %1.").arg(systemError(error)));
}

} // namespace

WriterLock::~WriterLock() {
    if (m_handle != -1) {
        const HANDLE mutex = reinterpret_cast<HANDLE>(m_handle);
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
}

// A named mutex per folder: it leaves no file behind and is shared by every
// program of the same session. It is named after the folder's identity, not
// its spelling, so that a mapped drive and its UNC path, a short 8.3 name and
// a long one all meet at the same mutex.
Result WriterLock::acquire(const QString& folder) {
    const Handle opened(CreateFileW(wide(QFileInfo(folder).absoluteFilePath()).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FileStamp identity;
    if (!opened.valid() || !stampOf(opened.get(), identity))
        //: %1 is the system's reason
        return Result::failure(QCoreApplication::translate("FileAccess", "Its folder cannot be locked: %1.")
                                   .arg(systemError(GetLastError())));
    const std::wstring name = QStringLiteral("Local\\Parlomatic-writer-%1-%2")
                                  .arg(identity.device, 8, 16, QLatin1Char('0'))
                                  .arg(identity.fileNumber, 16, 16, QLatin1Char('0'))
                                  .toStdWString();
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr)
        //: %1 is the system's reason
        return Result::failure(QCoreApplication::translate("FileAccess", "Its folder cannot be locked: %1.")
                                   .arg(systemError(GetLastError())));
    const DWORD waited = WaitForSingleObject(mutex, lockWaitMs);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(mutex);
        return Result::failure(QCoreApplication::translate(
            "FileAccess", "Another Parlomatic has been writing in its folder for ten seconds; nothing was written."));
    }
    m_handle = reinterpret_cast<qintptr>(mutex);
    return Result::success();
}

Replacement replaceFile(const QString& path, QByteArrayView bytes, const std::function<bool()>& stillCurrent) {
    const QFileInfo info(path);
    QDir folder(info.absolutePath());
    const QString fileName = info.fileName();
    detail::removeLeftoverTemporaries(folder.path(), fileName);

    const std::wstring target = wide(info.absoluteFilePath());
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return failure(QCoreApplication::translate("FileAccess", "It is a folder, not a file."));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return failure(QCoreApplication::translate("FileAccess", "It is read-only."));

    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = wide(folder.filePath(detail::temporaryName(fileName)));
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            //: %1 is the system's reason
            return failure(QCoreApplication::translate("FileAccess", "No new file can be made beside it: %1.")
                               .arg(systemError(GetLastError())));
    }
    Handle file(created);
    if (!file.valid())
        return writeFailure(ERROR_FILE_EXISTS);
    const auto discard = [&](Replacement result) {
        if (file.valid())
            CloseHandle(file.release());
        DeleteFileW(temporary.c_str());
        return result;
    };
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr))
            return discard(writeFailure(GetLastError()));
        if (written == 0)
            return discard(writeFailure(ERROR_WRITE_FAULT));
        done += written;
    }
    if (!FlushFileBuffers(file.get()))
        return discard(writeFailure(GetLastError()));
    FileStamp written;
    if (!stampOf(file.get(), written))
        return discard(writeFailure(GetLastError()));
    if (!CloseHandle(file.release()))
        return discard(writeFailure(GetLastError()));
    if (!stillCurrent())
        return discard(Replacement{Replacement::Abandoned, {}, {}});
    const BOOL moved = retryWhileShared(
        [&] {
            return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        },
        isHeldOpen);
    if (!moved)
        return discard(writeFailure(GetLastError()));
    return Replacement{Replacement::Replaced, {}, written};
}

} // namespace parlomatic::files

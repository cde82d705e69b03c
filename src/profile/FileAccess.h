// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// How the profile layer reads and replaces whole files. The system calls live
// in FileAccessUnix.cpp and FileAccessWindows.cpp; reasons never name the path,
// so that the caller names it once.
namespace parlomatic::files {

// Real profiles hold 10 to 25 KB; a file this large is no profile and is not read into memory.
constexpr qint64 sizeLimit = 128 * 1024 * 1024;

// One state of one file: which file it is (device and file number) and its
// size and modification time. Two reads with equal stamps saw the same file.
struct FileStamp {
    quint64 device = 0;
    quint64 fileNumber = 0;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since 1970-01-01 UTC

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// One complete read of a file.
struct FileRead {
    enum Status { Read, Missing, Failed };
    Status status = Missing;
    QByteArray bytes;
    FileStamp stamp;
    QString error; // for Failed: a sentence saying why, without the path

    // True when other holds the same outcome, the same bytes and the same stamp.
    bool sameAs(const FileRead& other) const {
        return status == other.status && bytes == other.bytes && stamp == other.stamp;
    }
};

// Reads the whole file at path, following links. Only a regular file is read:
// a folder, FIFO, device or socket fails at once and never blocks; so does a
// file larger than sizeLimit. When the file changes while it is read (its
// stamp differs after the read, or the bytes read are not its whole size) it
// is read again, a few times, then fails. No file at path gives Missing.
// On Windows a file held open without sharing is retried for about a second.
FileRead readFile(const QString& path);

// The file a write to path must replace: the target of a link, else path itself.
QString writeTarget(const QString& path);

// The exclusive lock that our own writers (the program and parlomatic-cli)
// hold across every change of a file in one folder, so that no change of ours
// is lost to another of ours. It is advisory: other programs do not take it.
// It leaves no file in the folder.
class WriterLock {
public:
    WriterLock() = default;
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    // Waits up to ten seconds for the lock of folder. Fails with a reason when
    // the folder cannot be opened or another writer keeps the lock.
    Result acquire(const QString& folder);

private:
    qintptr m_handle = -1;
};

// What replaceFile did.
struct Replacement {
    enum Outcome { Replaced, Abandoned, Failed };
    Outcome outcome = Failed;
    QString error;   // for Failed: a sentence saying why, without the path
    FileStamp stamp; // for Replaced: the stamp of the file as written
};

// Gives the regular file at path (not a link: see writeTarget) exactly bytes,
// or leaves it byte for byte as it was. The bytes go to a temporary file in
// the same folder; every write, the flush and the sync are checked; then the
// temporary file takes the file's place in one rename. The old file's owner,
// group and permissions go to the new one where the system lets us set them.
// stillCurrent is asked once the new bytes are on disk, just before they take
// the file's place: false leaves the file alone (Abandoned). A temporary file
// left by an earlier write of the same file that was killed is removed first.
// Only when the folder refuses a new file but the file itself can be written
// is the file rewritten in place (Unix only). The caller holds the WriterLock
// of the folder.
Replacement replaceFile(const QString& path, QByteArrayView bytes, const std::function<bool()>& stillCurrent);

// The beginning of the name of every temporary file replaceFile makes for the file named fileName.
inline QString temporaryPrefix(const QString& fileName) {
    return fileName + QStringLiteral(".parlomatic-");
}

} // namespace parlomatic::files

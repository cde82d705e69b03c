// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace parlomatic::test {

// The whole content of a file, or nothing when it cannot be opened.
inline std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

inline bool putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes bytes to path, making its folders, and dates it modified when that is
// valid. False when any step fails.
inline bool putFileDated(const QString& path, const QByteArray& bytes, const QDateTime& modified = {}) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.flush() &&
           (!modified.isValid() || file.setFileTime(modified, QFileDevice::FileModificationTime));
}

// The path of kvuser.ini in dir, the file holding bytes; a null bytes array
// leaves it absent. Empty when the file cannot be written.
inline QString profileIn(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("kvuser.ini"));
    return bytes.isNull() || putFile(path, bytes) ? path : QString();
}

// Every entry below folder (hidden ones included) with the bytes of each file;
// folders map to an empty null array. Two equal snapshots mean nothing was
// created, removed or changed.
inline QMap<QString, QByteArray> folderSnapshot(const QString& folder) {
    QMap<QString, QByteArray> snapshot;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        snapshot.insert(path,
                        it.fileInfo().isFile() ? fileBytes(path).value_or(QByteArray("<unreadable>")) : QByteArray());
    }
    return snapshot;
}

} // namespace parlomatic::test

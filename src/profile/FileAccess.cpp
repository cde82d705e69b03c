// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/FileAccessDetail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace parlomatic::files {

QString writeTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymbolicLink() && info.exists() ? info.canonicalFilePath() : path;
}

namespace detail {

Replacement failure(const QString& reason) {
    return Replacement{Replacement::Failed, reason, {}};
}

FileRead failedRead(const QString& reason) {
    FileRead read;
    read.status = FileRead::Failed;
    read.error = reason;
    return read;
}

QString tooLargeReason() {
    return QCoreApplication::translate("FileAccess", "It is larger than 128 MB, far too large for a profile.");
}

QString cannotRead(const QString& systemReason) {
    //: %1 is the system's reason
    return QCoreApplication::translate("FileAccess", "It cannot be read: %1.").arg(systemReason);
}

QString temporaryName(const QString& fileName) {
    // Lower case only: Windows folders do not tell the case of names apart.
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = temporaryPrefix(fileName);
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return name;
}

void removeLeftoverTemporaries(const QString& folder, const QString& fileName) {
    QDir dir(folder);
    for (const QString& leftover : dir.entryList({temporaryPrefix(fileName) + QStringLiteral("??????")},
                                                 QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(leftover);
}

FileRead readToEnd(qint64 expectedSize, const std::function<qint64(char* into, qint64 room)>& readSome,
                   const std::function<QString()>& errorText) {
    FileRead read;
    read.status = FileRead::Read;
    read.bytes.resize(static_cast<qsizetype>(expectedSize) + 1);
    qsizetype total = 0;
    while (true) {
        if (total == read.bytes.size()) {
            if (total > sizeLimit)
                return failedRead(tooLargeReason());
            read.bytes.resize(std::min<qsizetype>(total * 2 + 4096, sizeLimit + 1));
        }
        const qint64 got = readSome(read.bytes.data() + total, read.bytes.size() - total);
        if (got < 0)
            return failedRead(cannotRead(errorText()));
        if (got == 0)
            break;
        total += got;
    }
    read.bytes.truncate(total);
    return read;
}

} // namespace detail

FileRead readFile(const QString& path) {
    // A file rewritten while it is read is read again, a few times.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (std::optional<FileRead> read = detail::readOnce(path))
            return *read;
    }
    return detail::failedRead(QCoreApplication::translate("FileAccess", "It kept changing while it was read."));
}

} // namespace parlomatic::files

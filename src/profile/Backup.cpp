// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/Backup.h"

#include "profile/FileAccess.h"
#include "profile/ProfileEncoding.h"
#include "profile/ProfileIndex.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace parlomatic {

namespace {
constexpr qint64 smallestPlausibleBackup = 11;
}

QString backupPathFor(const QString& profilePath) {
    return profilePath.chopped(qMin<qsizetype>(4, profilePath.size())) + QStringLiteral("1.bak");
}

Result writeFileAtomically(const QString& path, QByteArrayView bytes) {
    const QString target = files::writeTarget(path);
    files::WriterLock lock;
    if (const Result locked = lock.acquire(QFileInfo(target).absolutePath()); !locked.ok())
        return locked;
    const files::Replacement replaced = files::replaceFile(target, bytes, [] { return true; });
    return replaced.outcome == files::Replacement::Replaced ? Result::success() : Result::failure(replaced.error);
}

Result copyFileAtomically(const QString& source, const QString& destination) {
    const files::FileRead in = files::readFile(source);
    if (in.status == files::FileRead::Missing)
        return Result::failure(QCoreApplication::translate("Backup", "The file to copy does not exist."));
    if (in.status == files::FileRead::Failed)
        //: %1 is why the file cannot be read
        return Result::failure(
            QCoreApplication::translate("Backup", "The file to copy cannot be used. %1").arg(in.error));
    const files::FileRead existing = files::readFile(destination);
    if (existing.status == files::FileRead::Read && existing.bytes == in.bytes)
        return Result::success();
    return writeFileAtomically(destination, in.bytes);
}

bool plausibleProfile(const QByteArray& bytes) {
    return bytes.size() >= smallestPlausibleBackup && ProfileIndex(decodeProfile(bytes).text).hasSection();
}

BackupMade MakeBackup(const QString& source, const QString& destination) {
    const files::FileRead profile = files::readFile(source);
    if (profile.status == files::FileRead::Read && !plausibleProfile(profile.bytes) && plausibleBackup(destination))
        return {BackupMade::KeptGoodBackup,
                QCoreApplication::translate(
                    "Backup", "Your kvuser.ini looks damaged (empty, without a section or not text), so the "
                              "backup %1 was kept as it is.")
                    .arg(QFileInfo(destination).fileName())};
    const Result copied = copyFileAtomically(source, destination);
    return copied.ok() ? BackupMade{} : BackupMade{BackupMade::Failed, copied.error()};
}

std::optional<QByteArray> plausibleBackup(const QString& backupPath) {
    const files::FileRead backup = files::readFile(backupPath);
    if (backup.status != files::FileRead::Read || !plausibleProfile(backup.bytes))
        return std::nullopt;
    return backup.bytes;
}

} // namespace parlomatic

#include "profile/Backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace parlomatic {

namespace {
constexpr qint64 smallestPlausibleBackup = 11;
}

QString backupPathFor(const QString& profilePath) {
    return profilePath.chopped(qMin<qsizetype>(4, profilePath.size())) + QStringLiteral("1.bak");
}

Result copyFileAtomically(const QString& source, const QString& destination) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Result::failure(
            QStringLiteral("cannot read %1: %2").arg(QDir::toNativeSeparators(source), in.errorString()));
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return Result::failure(
            QStringLiteral("cannot read %1: %2").arg(QDir::toNativeSeparators(source), in.errorString()));

    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return Result::failure(
            QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(destination), out.errorString()));
    if (out.write(content) != content.size() || !out.commit())
        return Result::failure(
            QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(destination), out.errorString()));
    return Result::success();
}

bool isPlausibleBackup(const QString& backupPath) {
    const QFileInfo info(backupPath);
    return info.isFile() && info.isReadable() && info.size() >= smallestPlausibleBackup;
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/VirtualStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <algorithm>

namespace parlomatic {

namespace {

QString slashed(const QString& path) {
    return QDir::cleanPath(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

bool isUnder(const QString& path, const QString& folder) {
    const QString root = slashed(folder);
    return !root.isEmpty() &&
           path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'), Qt::CaseInsensitive);
}

// A real attempt: on Windows only the folder's access list knows, and the
// read-only attribute of a folder means nothing to file creation.
bool folderTakesNewFiles(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("parlomatic-probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString virtualStoreCopy(const QString& localAppData, const QString& path) {
    if (localAppData.isEmpty())
        return {};
    // Backslashes too on every system: the path may come from the registry.
    QString rest = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:(?=/)"));
    rest.remove(drive);
    if (!rest.startsWith(QLatin1Char('/')))
        return {};
    // A file already inside the VirtualStore is its own copy.
    const QString store = QDir::fromNativeSeparators(localAppData) + QStringLiteral("/VirtualStore");
    if (rest.startsWith(store + QLatin1Char('/'), Qt::CaseInsensitive))
        return {};
    return QDir::cleanPath(store + rest);
}

VirtualStorePlaces VirtualStorePlaces::fromSystem() {
#ifdef Q_OS_WIN
    QStringList folders;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        const QString folder = qEnvironmentVariable(name);
        if (!folder.isEmpty())
            folders.append(folder);
    }
    return {qEnvironmentVariable("LOCALAPPDATA"), folders, folderTakesNewFiles};
#else
    return {{}, {}, folderTakesNewFiles};
#endif
}

ProfileInStore profileInStore(const VirtualStorePlaces& places, const QString& profile) {
    const QString path = slashed(QFileInfo(profile).absoluteFilePath());
    // The copy itself, as the search finds it: the file it stands for lies on
    // the drive of the protected folder its path continues.
    const QString store = slashed(places.localAppData) + QStringLiteral("/VirtualStore");
    if (!places.localAppData.isEmpty() && isUnder(path, store)) {
        const QString rest = path.mid(store.size());
        for (const QString& folder : places.protectedFolders) {
            const QString root = slashed(folder);
            const qsizetype drive = root.indexOf(QLatin1Char(':')) == 1 ? 2 : 0;
            if (isUnder(rest, root.mid(drive)))
                return {profile, QDir::toNativeSeparators(root.left(drive) + rest), false};
        }
    }
    const bool isProtected = std::any_of(places.protectedFolders.begin(), places.protectedFolders.end(),
                                         [&](const QString& folder) { return isUnder(path, folder); });
    if (!isProtected)
        return {profile, {}, false};
    const QFileInfo copy(virtualStoreCopy(places.localAppData, path));
    if (!copy.filePath().isEmpty() && copy.isFile())
        return {QDir::toNativeSeparators(copy.absoluteFilePath()), QDir::toNativeSeparators(profile), false};
    const bool unwritable = places.canWrite && !places.canWrite(QFileInfo(path).absolutePath());
    return {profile, {}, unwritable};
}

QString profileInStoreNote(const ProfileInStore& profile) {
    if (!profile.copyOf.isEmpty())
        //: %1 is the path of the profile in the game's folder
        return QCoreApplication::translate("VirtualStore",
                                           "This is the VirtualStore copy of %1, which the game reads in its place.")
            .arg(profile.copyOf);
    if (profile.unwritable)
        return QCoreApplication::translate(
            "VirtualStore",
            "Windows protects its folder, and this account cannot write there. Start the game once and quit it: "
            "Windows then keeps the game's own copy of the profile in the VirtualStore, which Parlomatic edits "
            "from then on. Or install the game outside Program Files.");
    return {};
}

} // namespace parlomatic

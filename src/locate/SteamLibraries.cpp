// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/SteamLibraries.h"

#include "locate/ProfileSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace parlomatic {

namespace {

// drive_c/<a>/<b>/<game>/System: Program Files (x86)/GOG Galaxy/Games/UT.
constexpr int wineDriveDepth = 4;
// VirtualStore/Program Files (x86)/<game>/System
constexpr int virtualStoreDepth = 3;

} // namespace

QStringList steamLibraryPaths(const QByteArray& vdfText) {
    // "path" in today's file; older files name each library by its number.
    // Each pair stands on a line of its own, key and value apart by blanks.
    static const QRegularExpression pathEntry(QStringLiteral(R"re(^\s*"(?:path|\d+)"[ \t]+"((?:[^"\\]|\\.)*)")re"),
                                              QRegularExpression::CaseInsensitiveOption |
                                                  QRegularExpression::MultilineOption);
    static const QRegularExpression absolutePath(QStringLiteral(R"re(^(/|[A-Za-z]:[\\/]))re"));
    QStringList paths;
    const QString text = QString::fromUtf8(vdfText);
    for (auto match = pathEntry.globalMatch(text); match.hasNext();) {
        QString value = match.next().captured(1);
        value.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        value.replace(QStringLiteral("\\\""), QStringLiteral("\""));
        // Numbered keys also list the installed games' sizes; only paths count.
        if (absolutePath.match(value).hasMatch())
            paths.append(value);
    }
    return paths;
}

void searchWineDrive(ProfileSearch& search, const QString& driveC, const QString& place) {
    const QDir drive(driveC);
    search.searchTree(driveC, wineDriveDepth, place);
    // The per-user copies that Windows keeps of files written under Program
    // Files, in the folder names of today's Windows and of Windows XP.
    for (const QString& user : search.subfolders(drive.filePath(QStringLiteral("users")))) {
        const QDir home(user);
        search.searchTree(home.filePath(QStringLiteral("AppData/Local/VirtualStore")), virtualStoreDepth, place);
        search.searchTree(home.filePath(QStringLiteral("Local Settings/Application Data/VirtualStore")),
                          virtualStoreDepth, place);
    }
    // Steam for Windows installed inside the prefix.
    //: %1 is the place of a Wine prefix, such as "Wine prefix" or "Lutris"
    const QString steamInPrefix = QCoreApplication::translate("SearchPlaces", "%1 Steam").arg(place);
    searchSteam(search, drive.filePath(QStringLiteral("Program Files (x86)/Steam")), steamInPrefix);
    searchSteam(search, drive.filePath(QStringLiteral("Program Files/Steam")), steamInPrefix);
}

void searchSteam(ProfileSearch& search, const QString& steamRoot, const QString& place) {
    // ~/.steam/steam is mostly a link to another of the places searched.
    if (!QFileInfo(steamRoot).isDir() || !search.firstVisit(steamRoot))
        return;
    QStringList libraries{steamRoot};
    QFile vdf(QDir(steamRoot).filePath(QStringLiteral("steamapps/libraryfolders.vdf")));
    if (vdf.open(QIODevice::ReadOnly))
        libraries += steamLibraryPaths(vdf.read(1 << 20));

    for (const QString& library : libraries) {
        const QDir apps(QDir(library).filePath(QStringLiteral("steamapps")));
        // The library list names the Steam folder itself too.
        if (!search.firstVisit(apps.path()))
            continue;
        const QString where =
            library == steamRoot ? place : QCoreApplication::translate("SearchPlaces", "Steam library");
        // steamapps/common/<game>/System
        search.searchTree(apps.filePath(QStringLiteral("common")), 2, where);
        for (const QString& game : search.subfolders(apps.filePath(QStringLiteral("compatdata"))))
            searchWineDrive(search, QDir(game).filePath(QStringLiteral("pfx/drive_c")),
                            //: %1 is the Steam place whose Proton prefix holds the profile
                            QCoreApplication::translate("SearchPlaces", "%1 (Proton)").arg(where));
    }
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/PlatformPlaces.h"
#include "locate/ProfileSearch.h"
#include "locate/SearchPlaces.h"
#include "locate/SteamLibraries.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace parlomatic {

namespace {

// Both registry views: a 32-bit game on 64-bit Windows writes below WOW6432Node.
const QSettings::Format registryViews[] = {QSettings::Registry32Format, QSettings::Registry64Format};

QString registryValue(const QString& key, const QString& name, QSettings::Format view) {
    return QSettings(key, view).value(name).toString();
}

void searchGame(ProfileSearch& search, const QString& folder, const QString& place) {
    if (!folder.isEmpty())
        search.checkSystemFolder(QDir(QDir::fromNativeSeparators(folder)).filePath(QStringLiteral("System")), place);
}

} // namespace

void searchPlatformPlaces(ProfileSearch& search, const SearchEnvironment& environment) {
    search.setLocalAppData(environment.localAppData);

    for (const QSettings::Format view : registryViews) {
        searchGame(search,
                   registryValue(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Unreal Technology\\Installed "
                                                "Apps\\UnrealTournament"),
                                 QStringLiteral("Folder"), view),
                   QCoreApplication::translate("SearchPlaces", "Registry"));

        QSettings gog(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\GOG.com\\Games"), view);
        for (const QString& game : gog.childGroups())
            searchGame(search, gog.value(game + QStringLiteral("/path")).toString(), QStringLiteral("GOG"));
    }

    const QString steam =
        QDir::fromNativeSeparators(registryValue(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"),
                                                 QStringLiteral("SteamPath"), QSettings::NativeFormat));
    if (!steam.isEmpty())
        searchSteam(search, steam, QStringLiteral("Steam"));
}

} // namespace parlomatic

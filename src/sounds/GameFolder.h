// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace parlomatic::sounds {

// The game installation a profile belongs to, and where its packages are: the
// search paths of "[Core.System] Paths=" in the game's main ini
// (UnrealTournament.ini), or the game's usual paths when the ini has none.
class GameFolder {
public:
    // The installation of the profile at profilePath: the profile's folder
    // when it holds the main ini or packages; for a profile in System64 also
    // the sibling System. Empty when neither is a game's folder.
    static std::optional<GameFolder> forProfile(const QString& profilePath);

    // The file of the package called packageName (any case) with one of
    // the search paths' extensions, the first path that has one winning;
    // extension, when given (".u"), limits the search to the paths with that
    // extension. An empty text when there is none.
    QString findPackage(const QString& packageName, const QString& extension = {}) const;

private:
    struct SearchPath {
        QString folder;
        QString extension;
    };

    QString m_systemFolder;
    std::vector<SearchPath> m_paths;
    // File names (lower case) to their real names, per folder, read once.
    mutable QHash<QString, QHash<QString, QString>> m_folderFiles;
};

} // namespace parlomatic::sounds

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/GameFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace parlomatic::sounds {

namespace {

const QString mainIniName = QStringLiteral("UnrealTournament.ini");

// The entry of folder called name in any case, or an empty text.
QString entryIgnoringCase(const QString& folder, const QString& name) {
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(folder).filePath(entry);
    }
    return {};
}

// The folder relative (with / between its parts) leads to from base, each part
// matched in any case as the game's own file system would; a part that is not
// there is kept as written.
QString folderIgnoringCase(const QString& base, const QString& relative) {
    QString folder = base;
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QDir current(folder);
        QString found = part;
        if (part != QLatin1String("..") && part != QLatin1String(".") && !current.exists(part)) {
            for (const QString& entry : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0)
                    found = entry;
            }
        }
        folder = QDir::cleanPath(current.filePath(found));
    }
    return folder;
}

bool holdsGame(const QString& folder) {
    return !entryIgnoringCase(folder, mainIniName).isEmpty() ||
           !QDir(folder).entryList({QStringLiteral("*.u")}, QDir::Files).isEmpty();
}

// The values of Paths= in [Core.System] of the ini at path, in order.
QStringList searchPathsOf(const QString& path) {
    QFile file(path);
    QStringList paths;
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return paths;
    bool inSection = false;
    for (const QByteArray& rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line.compare(QLatin1String("[Core.System]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals > 0 &&
            line.left(equals)
                    .trimmed()
                    .section(QLatin1Char('['), 0, 0)
                    .compare(QLatin1String("Paths"), Qt::CaseInsensitive) == 0)
            paths.append(line.mid(equals + 1).trimmed());
    }
    return paths;
}

} // namespace

std::optional<GameFolder> GameFolder::forProfile(const QString& profilePath) {
    const QFileInfo profile(profilePath);
    const QString profileFolder = profile.absolutePath();
    QStringList candidates{profileFolder};
    if (QFileInfo(profileFolder).fileName().compare(QLatin1String("System64"), Qt::CaseInsensitive) == 0)
        candidates.append(QDir::cleanPath(profileFolder + QLatin1String("/../System")));

    GameFolder game;
    for (const QString& candidate : candidates) {
        if (!holdsGame(candidate))
            continue;
        game.m_systemFolder = candidate;
        break;
    }
    if (game.m_systemFolder.isEmpty())
        return std::nullopt;

    // The ini beside the profile is the one the game that wrote the profile reads.
    QString ini = entryIgnoringCase(profileFolder, mainIniName);
    if (ini.isEmpty())
        ini = entryIgnoringCase(game.m_systemFolder, mainIniName);
    QStringList paths = searchPathsOf(ini);
    if (paths.isEmpty())
        paths = {QStringLiteral("../System/*.u"), QStringLiteral("../Maps/*.unr"), QStringLiteral("../Textures/*.utx"),
                 QStringLiteral("../Sounds/*.uax"), QStringLiteral("../Music/*.umx")};
    const QString base = ini.isEmpty() ? game.m_systemFolder : QFileInfo(ini).absolutePath();
    for (QString path : paths) {
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QString pattern = path.section(QLatin1Char('/'), -1);
        if (!pattern.startsWith(QLatin1String("*.")))
            continue;
        const QString folder = QDir::isAbsolutePath(path)
                                   ? QDir::cleanPath(path.section(QLatin1Char('/'), 0, -2))
                                   : folderIgnoringCase(base, path.section(QLatin1Char('/'), 0, -2));
        game.m_paths.push_back({folder, pattern.mid(1)});
    }
    return game;
}

QString GameFolder::findPackage(const QString& packageName, const QString& extension) const {
    for (const SearchPath& path : m_paths) {
        if (!extension.isEmpty() && path.extension.compare(extension, Qt::CaseInsensitive) != 0)
            continue;
        auto files = m_folderFiles.find(path.folder);
        if (files == m_folderFiles.end()) {
            QHash<QString, QString> names;
            for (const QString& entry : QDir(path.folder).entryList(QDir::Files))
                names.insert(entry.toLower(), entry);
            files = m_folderFiles.insert(path.folder, names);
        }
        const auto found = files->find((packageName + path.extension).toLower());
        if (found != files->end())
            return QDir(path.folder).filePath(*found);
    }
    return {};
}

} // namespace parlomatic::sounds

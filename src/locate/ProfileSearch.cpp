// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/ProfileSearch.h"

#include "locate/VirtualStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace parlomatic {

namespace {

const QString profileName = QStringLiteral("kvuser.ini");
const QString systemName = QStringLiteral("System");

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

bool isSkippedFolder(const QString& name) {
    static const QStringList skipped{
        QStringLiteral(".cache"),       QStringLiteral("cache"),
        QStringLiteral("caches"),       QStringLiteral("shadercache"),
        QStringLiteral("shader_cache"), QStringLiteral("temp"),
        QStringLiteral("tmp"),          QStringLiteral("Trash"),
        QStringLiteral(".Trash"),       QStringLiteral(".git"),
        QStringLiteral("node_modules"), QStringLiteral("windows"),
        QStringLiteral("downloading"),  QStringLiteral("Temporary Internet Files"),
    };
    return std::any_of(skipped.begin(), skipped.end(), [&](const QString& s) { return sameName(s, name); }) ||
           name.endsWith(QStringLiteral("Cache"), Qt::CaseInsensitive);
}

ProfileSearch::ProfileSearch(int folderBudget, int placeBudget) : m_budget(folderBudget), m_placeBudget(placeBudget) {}

QStringList ProfileSearch::subfolders(const QString& dir) {
    if (m_budget <= 0)
        return {};
    --m_budget;
    // The iterator takes the kind of each entry from the folder listing itself,
    // where the system gives it, instead of asking for each one.
    QStringList result;
    QDirIterator entries(dir, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    while (entries.hasNext()) {
        entries.next();
        if (!isSkippedFolder(entries.fileName()))
            result.append(entries.filePath());
    }
    return result;
}

bool ProfileSearch::firstVisit(const QString& place) {
    const QString canonical = QFileInfo(place).canonicalFilePath();
    if (canonical.isEmpty() || m_visitedPlaces.contains(canonical))
        return false;
    m_visitedPlaces.insert(canonical);
    return true;
}

void ProfileSearch::checkSystemFolder(const QString& systemDir, const QString& place) {
    const QFileInfoList files = QDir(systemDir).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        if (sameName(file.fileName(), profileName) && !file.isSymLink())
            addProfile(file.filePath(), place);
    }
}

void ProfileSearch::searchTree(const QString& root, int maxDepth, const QString& place) {
    const QString start = QFileInfo(root).canonicalFilePath();
    if (start.isEmpty() || !QFileInfo(start).isDir() || m_searchedRoots.contains(start))
        return;
    m_searchedRoots.insert(start);

    struct Pending {
        QString dir;
        int depth;
    };
    QList<Pending> pending{{start, 0}};
    // Breadth first: when a place's share of the budget runs out, its shallow
    // folders, where installs live, have been seen.
    const int budgetAtStart = m_budget;
    for (qsizetype next = 0; next < pending.size() && budgetAtStart - m_budget < m_placeBudget; ++next) {
        const Pending current = pending.at(next);
        if (sameName(QFileInfo(current.dir).fileName(), systemName))
            checkSystemFolder(current.dir, place);
        if (current.depth >= maxDepth)
            continue;
        for (const QString& child : subfolders(current.dir))
            pending.append({child, current.depth + 1});
    }
}

void ProfileSearch::addProfile(const QString& file, const QString& place) {
    QString path = QFileInfo(file).absoluteFilePath();
    QString where = place;
    if (!m_localAppData.isEmpty()) {
        const QString copy = virtualStoreCopy(m_localAppData, path);
        const QFileInfo copyInfo(copy);
        if (!copy.isEmpty() && copyInfo.isFile() && !copyInfo.isSymLink()) {
            path = copyInfo.absoluteFilePath();
            //: %1 is the place of the game whose VirtualStore copy was found
            where = QCoreApplication::translate("SearchPlaces", "%1 (VirtualStore)").arg(place);
        }
    }
    const QString key = QFileInfo(path).canonicalFilePath();
    if (key.isEmpty() || m_foundFiles.contains(key))
        return;
    m_foundFiles.insert(key);
    m_found.append({QDir::toNativeSeparators(path), where, QFileInfo(path).lastModified()});
}

QList<FoundProfile> ProfileSearch::results() const {
    QList<FoundProfile> sorted = m_found;
    std::stable_sort(sorted.begin(), sorted.end(), [](const FoundProfile& a, const FoundProfile& b) {
        if (a.lastModified != b.lastModified)
            return a.lastModified > b.lastModified;
        return a.path < b.path;
    });
    return sorted;
}

} // namespace parlomatic

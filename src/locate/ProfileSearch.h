// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/FoundProfile.h"

#include <QList>
#include <QSet>
#include <QString>

namespace parlomatic {

// Collects the profiles (kvuser.ini in a folder called System, both names in
// any case) under the places it is pointed at. The search never follows a
// symbolic link found inside a place, never enters caches or a Windows
// system folder, and lists at most folderBudget folders in all and
// placeBudget in any one tree, so that it stays quick on a large home folder
// and one huge place does not starve the others. A place that is itself a link (such as
// ~/.steam/steam) is resolved once, and a place reached twice is searched once.
class ProfileSearch {
public:
    explicit ProfileSearch(int folderBudget = 10000, int placeBudget = 1500);

    // Looks for kvuser.ini in systemDir itself.
    void checkSystemFolder(const QString& systemDir, const QString& place);
    // Looks for System/kvuser.ini in root and in its folders down to maxDepth
    // levels below root.
    void searchTree(const QString& root, int maxDepth, const QString& place);
    // The folders directly inside dir, without links and skipped folders,
    // hidden ones included; empty when dir does not exist. Counts against the
    // folder budget: empty once it has run out.
    QStringList subfolders(const QString& dir);
    // True the first time a place is asked about, false when it or the place
    // a link leads to was asked about before: a place reached twice is searched once.
    bool firstVisit(const QString& place);

    // When set, a profile found under a Windows program folder is replaced by
    // its copy under localAppData's VirtualStore, if that copy exists: the game
    // writes there instead of into a protected folder.
    void setLocalAppData(const QString& localAppData) { m_localAppData = localAppData; }

    // Every profile found, each file once, newest first (ties by path).
    QList<FoundProfile> results() const;

private:
    void addProfile(const QString& file, const QString& place);

    int m_budget;
    int m_placeBudget;
    QString m_localAppData;
    QSet<QString> m_searchedRoots;
    QSet<QString> m_visitedPlaces;
    QSet<QString> m_foundFiles;
    QList<FoundProfile> m_found;
};

// True for folder names the search never enters: caches, temporary folders,
// trash, version control, and Windows' own system folder.
bool isSkippedFolder(const QString& name);

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace parlomatic {

QStringList programFolders(const QString& invokedPath, const QString& installedDir) {
    QString invoked = QDir::fromNativeSeparators(invokedPath);
    if (!invoked.isEmpty() && !invoked.contains(QLatin1Char('/')))
        invoked = QStandardPaths::findExecutable(invoked);

    QStringList folders;
    // absolutePath() only cleans the path: the folder of a link stays the link's own.
    if (!invoked.isEmpty())
        folders.append(QFileInfo(invoked).absolutePath());
    const QString installed = QDir::cleanPath(QDir::fromNativeSeparators(installedDir));
    if (!folders.contains(installed))
        folders.append(installed);
    return folders;
}

} // namespace parlomatic

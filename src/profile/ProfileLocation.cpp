// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileLocation.h"

#include <QDir>
#include <QFileInfo>

namespace parlomatic {

QString candidateProfilePath(const QString& executableDir) {
    return QDir::toNativeSeparators(QDir(executableDir).filePath(QStringLiteral("kvuser.ini")));
}

bool isOrdinaryFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

} // namespace parlomatic

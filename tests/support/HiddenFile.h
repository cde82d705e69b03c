// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestFiles.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace parlomatic::test {

// Writes a file that the platform counts as hidden into folder and returns
// its path (empty on failure): on Windows name with the hidden attribute, on
// Unix name with a leading dot, as Explorer and file managers hide them.
inline QString writeHiddenFile(const QString& folder, const QString& name, const QByteArray& content) {
#ifdef Q_OS_WIN
    const QString path = QDir(folder).filePath(name);
    if (!putFile(path, content))
        return {};
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    return SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_HIDDEN) ? path : QString();
#else
    const QString path = QDir(folder).filePath(u'.' + name);
    return putFile(path, content) ? path : QString();
#endif
}

} // namespace parlomatic::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/VirtualStore.h"

#include <QDir>
#include <QRegularExpression>

namespace parlomatic {

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

} // namespace parlomatic

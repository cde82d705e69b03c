#include "locate/VirtualStore.h"

#include <QDir>
#include <QRegularExpression>

namespace parlomatic {

QString virtualStoreCopy(const QString& localAppData, const QString& path) {
    if (localAppData.isEmpty())
        return {};
    QString rest = QDir::fromNativeSeparators(path);
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:(?=/)"));
    rest.remove(drive);
    if (!rest.startsWith(QLatin1Char('/')))
        return {};
    // A file already inside the VirtualStore is its own copy.
    const QString store = QDir::fromNativeSeparators(localAppData) + QStringLiteral("/VirtualStore");
    if (QDir::fromNativeSeparators(path).startsWith(store + QLatin1Char('/'), Qt::CaseInsensitive))
        return {};
    return QDir::cleanPath(store + rest);
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include <QImageReader>

namespace parlomatic {

QPixmap pngPicture(const QString& path) {
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon pngIcon(const QString& path) {
    return QIcon(pngPicture(path));
}

} // namespace parlomatic

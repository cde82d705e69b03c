// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace parlomatic {

// A PNG picture of the program's resources, read as PNG without probing the
// other image formats (which would load their plugins). Null when it cannot be read.
QPixmap pngPicture(const QString& path);

// A window icon made of such a picture.
QIcon pngIcon(const QString& path);

} // namespace parlomatic

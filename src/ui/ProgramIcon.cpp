// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramIcon.h"

#include "ui/Pictures.h"

namespace parlomatic {

// Decoding the pictures is a good part of the program's start, and several
// windows carry the icon: each set is decoded once.

QIcon titleBarProgramIcon() {
    static const QIcon icon = [] {
        QIcon loaded = pngIcon(QStringLiteral(":/pictures/speechtool-icon.png"));
        for (const int size : {32, 48, 64})
            loaded.addPixmap(pngPicture(QStringLiteral(":/pictures/parlomatic-%1.png").arg(size)));
        return loaded;
    }();
    return icon;
}

QIcon programIcon() {
    static const QIcon icon = [] {
        QIcon loaded = titleBarProgramIcon();
        for (const int size : {128, 256})
            loaded.addPixmap(pngPicture(QStringLiteral(":/pictures/parlomatic-%1.png").arg(size)));
        return loaded;
    }();
    return icon;
}

} // namespace parlomatic

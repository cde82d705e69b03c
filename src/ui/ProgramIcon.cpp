#include "ui/ProgramIcon.h"

namespace parlomatic {

QIcon programIcon() {
    QIcon icon(QStringLiteral(":/pictures/speechtool-icon.png"));
    for (const int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/parlomatic-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace parlomatic

#include "ui/ProgramIcon.h"

#include "ui/Pictures.h"

namespace parlomatic {

QIcon programIcon() {
    QIcon icon = pngIcon(QStringLiteral(":/pictures/speechtool-icon.png"));
    for (const int size : {32, 48, 64, 128, 256})
        icon.addPixmap(pngPicture(QStringLiteral(":/pictures/parlomatic-%1.png").arg(size)));
    return icon;
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ChoiceDropDown.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace parlomatic {

ChoiceDropDown::ChoiceDropDown(QWidget* parent) : QComboBox(parent) {
    // The wheel neither chooses nor takes the focus.
    setFocusPolicy(Qt::StrongFocus);
}

void ChoiceDropDown::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void ChoiceDropDown::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
        showPopup();
        return;
    case Qt::Key_Space:
        break;
    default:
        // The closed drop-down would choose the first entry starting with a typed letter.
        if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
            event->accept();
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

} // namespace parlomatic

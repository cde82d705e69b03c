// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace parlomatic {

// Gives a newly made control its object name (the name tests and
// accessibility tools find it by) and its place within its parent.
template <typename Control> Control* placed(Control* control, const QString& objectName, const QRect& place) {
    control->setObjectName(objectName);
    control->setGeometry(place);
    return control;
}

// A label showing caption as plain text from its top left corner.
QLabel* captionLabel(const QString& caption, QWidget* parent);

// A frame without caption, with a white background.
QFrame* whitePanel(QWidget* parent);

// Lets Enter and Return click the focused button among window's buttons, as
// Space does: outside a dialog, Qt's buttons ignore both keys. Call it once
// the window's buttons are made.
void enterClicksFocusedButton(QWidget* window);

// Lets Escape close window: for the program's further windows, never the main one.
void closeOnEscape(QWidget* window);

} // namespace parlomatic

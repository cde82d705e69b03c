// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Controls.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace parlomatic {

QLabel* captionLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFrame* whitePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    return panel;
}

void enterClicksFocusedButton(QWidget* window) {
    // An auto-default button clicks itself on Enter while it has the focus.
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void closeOnEscape(QWidget* window) {
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated, window,
                     &QWidget::close);
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyboardMapWindow.h"

#include "editor/SpeechTool.h"
#include "keymappicture/KeyboardMapPicture.h"
#include "ui/Controls.h"
#include "ui/KeyboardMapView.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace parlomatic {

KeyboardMapWindow::KeyboardMapWindow(SpeechTool& tool, UserInteraction& interaction)
    : QWidget(nullptr, Qt::Window), m_tool(tool), m_interaction(interaction) {
    setObjectName(QStringLiteral("KeyboardMap"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    setWindowTitle(tr("Keyboard map"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/speechtool-icon.png")));

    m_view = new KeyboardMapView(tool, this);
    m_focusLine = new QLabel(this);
    m_focusLine->setObjectName(QStringLiteral("focusLine"));
    m_focusLine->setTextFormat(Qt::PlainText);
    m_focusLine->setText(m_view->accessibleDescription());
    auto* save = new QPushButton(tr("Save picture…"), this);
    save->setObjectName(QStringLiteral("savePicture"));
    save->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_focusLine, 1);
    bottom->addWidget(save);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_view, 1);
    column->addLayout(bottom);

    // Opened no wider than two thirds of its screen, as Qt opens a new window,
    // and at the picture's proportions, so that no white band stays empty.
    const QSize picture = m_view->sizeHint();
    if (const QScreen* screen = this->screen(); screen != nullptr) {
        const QSize room(screen->availableGeometry().width() * 2 / 3, screen->availableGeometry().height() * 2 / 3);
        resize(picture.scaled(picture.boundedTo(room), Qt::KeepAspectRatio) + (sizeHint() - picture));
    }

    connect(m_view, &KeyboardMapView::focusDescriptionChanged, m_focusLine, &QLabel::setText);
    connect(save, &QPushButton::clicked, this, &KeyboardMapWindow::savePicture_Click);
    connect(m_view, &KeyboardMapView::listenRequested, this, &KeyboardMapWindow::listenRequested);
    m_view->setFocus();
}

void KeyboardMapWindow::showState() {
    m_view->showState();
}

void KeyboardMapWindow::savePicture_Click() {
    saveKeyboardMapAsked(m_view->map(), m_interaction, QFileInfo(m_tool.profilePath()).absolutePath());
}

} // namespace parlomatic

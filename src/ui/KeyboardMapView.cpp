// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyboardMapView.h"

#include "keymap/KeyboardLayout.h"
#include "keymappicture/KeyboardMapPicture.h"
#include "ui/Twips.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace parlomatic {

namespace {

// Larger fonts of the desktop draw the keys and their labels larger.
qreal fontScale() {
    return logicalDpi() / 96.0;
}

} // namespace

KeyboardMapView::KeyboardMapView(SpeechTool& tool, QWidget* parent) : QWidget(parent), m_tool(tool) {
    setObjectName(QStringLiteral("keyboardMap"));
    setAccessibleName(tr("Keyboard map"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize((KeyboardMapPicture::naturalSize() * fontScale() / 2).toSize());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
    m_keyMenu = new QMenu(this);
    m_keyMenu->setObjectName(QStringLiteral("keyMenu"));
    QAction* listen = m_keyMenu->addAction(tr("Listen"));
    listen->setObjectName(QStringLiteral("listen"));
    connect(listen, &QAction::triggered, this, [this] { emit listenRequested(m_menuKey); });
    showState();
}

void KeyboardMapView::showState() {
    KeyboardMap map = keyboardMapOf(m_tool);
    const int selected = selectedMapKey(m_tool);
    // Most clicks change neither what the map shows nor its selection: no redraw then.
    const bool focusStays = selected < 0 || selected == m_focusKey;
    if (map == m_map && selected == m_selectedKey && focusStays)
        return;
    m_map = std::move(map);
    m_selectedKey = selected;
    if (selected >= 0)
        m_focusKey = selected;
    moveFocusTo(m_focusKey);
}

KeyboardMapPicture KeyboardMapView::picture() const {
    return KeyboardMapPicture(QRectF(rect()));
}

QRect KeyboardMapView::keyRect(int layoutIndex) const {
    return picture().keyRect(layoutIndex).toAlignedRect();
}

QSize KeyboardMapView::sizeHint() const {
    return (KeyboardMapPicture::naturalSize() * fontScale()).toSize();
}

void KeyboardMapView::moveFocusTo(int layoutIndex) {
    m_focusKey = layoutIndex;
    const QString description = m_map.keys.at(static_cast<std::size_t>(m_focusKey)).description;
    setAccessibleDescription(description);
    emit focusDescriptionChanged(description);
    update();
}

bool KeyboardMapView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int key = picture().keyAt(help->pos());
        if (key >= 0)
            QToolTip::showText(help->globalPos(), m_map.keys.at(static_cast<std::size_t>(key)).description, this,
                               keyRect(key));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void KeyboardMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    picture().paint(painter, m_map, m_selectedKey, hasFocus() ? m_focusKey : -1);
}

void KeyboardMapView::mousePressEvent(QMouseEvent* event) {
    const int key = picture().keyAt(event->position());
    if (event->button() != Qt::LeftButton || key < 0)
        return QWidget::mousePressEvent(event);
    moveFocusTo(key);
    clickMapKey(m_tool, key);
}

void KeyboardMapView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int key = picture().keyAt(event->position());
    if (event->button() != Qt::LeftButton || key < 0)
        return QWidget::mouseDoubleClickEvent(event);
    moveFocusTo(key);
    assignMapKey(m_tool, key);
}

void KeyboardMapView::keyPressEvent(QKeyEvent* event) {
    // Moving by the keyboard hands Space back to the keyboard's position until the mouse moves again.
    if (event->key() >= Qt::Key_Left && event->key() <= Qt::Key_Down)
        m_hoveredKey = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        return moveFocusTo(neighbourKey(m_focusKey, MoveDirection::Left));
    case Qt::Key_Right:
        return moveFocusTo(neighbourKey(m_focusKey, MoveDirection::Right));
    case Qt::Key_Up:
        return moveFocusTo(neighbourKey(m_focusKey, MoveDirection::Up));
    case Qt::Key_Down:
        return moveFocusTo(neighbourKey(m_focusKey, MoveDirection::Down));
    case Qt::Key_Space:
        if (m_hoveredKey >= 0)
            emit listenRequested(m_hoveredKey);
        else
            clickMapKey(m_tool, m_focusKey);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        assignMapKey(m_tool, m_focusKey);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void KeyboardMapView::mouseMoveEvent(QMouseEvent* event) {
    m_hoveredKey = picture().keyAt(event->position());
    QWidget::mouseMoveEvent(event);
}

void KeyboardMapView::leaveEvent(QEvent* event) {
    m_hoveredKey = -1;
    QWidget::leaveEvent(event);
}

void KeyboardMapView::contextMenuEvent(QContextMenuEvent* event) {
    m_menuKey = picture().keyAt(event->pos());
    if (m_menuKey >= 0)
        m_keyMenu->popup(event->globalPos());
}

} // namespace parlomatic

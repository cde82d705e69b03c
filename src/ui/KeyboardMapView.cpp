#include "ui/KeyboardMapView.h"

#include "keymap/KeyboardLayout.h"
#include "keymap/KeyboardMapPicture.h"
#include "ui/Twips.h"

#include <QHelpEvent>
#include <QKeyEvent>
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
    setAccessibleName(QStringLiteral("Keyboard map"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize((KeyboardMapPicture::naturalSize() * fontScale() / 2).toSize());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    showState();
}

void KeyboardMapView::showState() {
    m_map = keyboardMapOf(m_tool);
    if (const int selected = selectedMapKey(m_tool); selected >= 0)
        m_focusKey = selected;
    moveFocusTo(m_focusKey);
    update();
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
    picture().paint(painter, m_map, selectedMapKey(m_tool), hasFocus() ? m_focusKey : -1);
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

} // namespace parlomatic

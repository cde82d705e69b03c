// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keymap/KeyboardMap.h"

#include <QWidget>

class QMenu;

namespace parlomatic {

class KeyboardMapPicture;
class SpeechTool;

// The drawn keyboard map. A click selects the key in "All available Keys", a
// double click assigns the selected taunt to it; the arrow keys move a
// position from key to key, Space selects and Enter assigns at that position.
// A key's tooltip tells what it holds. Once the mouse moves over a key, Space
// (until an arrow key is pressed) and the key's context menu ask to listen to
// it instead; that selects nothing.
class KeyboardMapView : public QWidget {
    Q_OBJECT

public:
    KeyboardMapView(SpeechTool& tool, QWidget* parent);

    // Reads the map again from the profile and redraws it when it or the
    // selected key changed.
    void showState();

    const KeyboardMap& map() const { return m_map; }
    // The keyboard's position: an index of keyboardLayout().
    int focusKey() const { return m_focusKey; }
    // Where key layoutIndex is drawn now, in this widget's coordinates.
    QRect keyRect(int layoutIndex) const;

    QSize sizeHint() const override;

signals:
    // The position moved, or what its key holds changed; description is its line.
    void focusDescriptionChanged(const QString& description);
    // Space or "Listen" in the context menu over key layoutIndex.
    void listenRequested(int layoutIndex);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    KeyboardMapPicture picture() const;
    void moveFocusTo(int layoutIndex);

    SpeechTool& m_tool;
    KeyboardMap m_map;
    // The key selected in "All available Keys" when the map was last read, or -1.
    int m_selectedKey = -1;
    int m_focusKey = 0;
    // The key under the mouse, or -1.
    int m_hoveredKey = -1;
    // "Listen" for the key m_menuKey that the menu was opened over.
    QMenu* m_keyMenu = nullptr;
    int m_menuKey = -1;
};

} // namespace parlomatic

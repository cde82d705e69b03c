// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keymap/KeyboardMap.h"
#include "profile/Result.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace parlomatic {

class UserInteraction;

// The fill colour of a class of binding, the same in the window and in a saved picture.
QColor bindingColour(BindingClass kind);

// The legend's text for a class of binding.
QString bindingClassName(BindingClass kind);

// The keyboard map drawn into a rectangle: a title, the keys and the mouse,
// and a legend of the colours. Everything scales with the rectangle (the
// picture keeps its proportions and is centred), so it stays sharp at any
// size and screen scale.
class KeyboardMapPicture {
public:
    explicit KeyboardMapPicture(const QRectF& area);

    // The size at which the picture looks as designed; any other keeps its proportions.
    static QSizeF naturalSize();

    // Where key layoutIndex of keyboardLayout() is drawn.
    QRectF keyRect(int layoutIndex) const;
    // The key drawn at point, or -1.
    int keyAt(const QPointF& point) const;

    // Draws map. selectedKey (the key selected in "All available Keys") gets
    // a heavy frame, focusKey (the keyboard's position) a dashed one; -1 for none.
    void paint(QPainter& painter, const KeyboardMap& map, int selectedKey = -1, int focusKey = -1) const;

private:
    QRectF unitRect(const QRectF& units) const;

    QPointF m_origin;
    qreal m_unit = 1.0;
};

// The picture at its natural size times scale, on an opaque white ground.
QImage renderKeyboardMap(const KeyboardMap& map, qreal scale = 2.0);

// Writes the picture as a PNG file to path. Fails with the reason when the
// file cannot be written; a file already there is replaced only when the new
// one was written completely.
Result saveKeyboardMapPng(const KeyboardMap& map, const QString& path);

// "Save picture…": asks for a file name (suggesting one in initialDir) and
// writes the picture there; a failure is shown with its reason. Returns
// whether a picture was written.
bool saveKeyboardMapAsked(const KeyboardMap& map, UserInteraction& interaction, const QString& initialDir);

} // namespace parlomatic

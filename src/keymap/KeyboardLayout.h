// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QString>

#include <vector>

namespace parlomatic {

// Which part of the picture a key belongs to; the mouse is drawn with a body around its keys.
enum class KeyBlock { Function, Main, Navigation, Keypad, Mouse };

// One key of the drawn keyboard or mouse. place is measured in key units: a
// letter key is one unit wide and one high, the top left of the function row
// is (0, 0).
struct KeyCap {
    // The key as the game names it in [Engine.Input]; empty for a key the
    // game cannot tell apart or does not know (the Windows keys, the menu key).
    QString name;
    // What the key shows when it has no name of its own.
    QString caption;
    QRectF place;
    KeyBlock block = KeyBlock::Main;
    // Why a key without a name cannot be bound; empty for named keys.
    QString whyUnbindable;

    // What a punctuation key shows instead of its long name, as the game's
    // own key list does (";" for Semicolon); empty for other keys.
    QString symbol;

    // The key's name for the player: its name, or its caption without one.
    const QString& shownText() const { return name.isEmpty() ? caption : name; }
    // The text drawn on the key.
    const QString& drawnText() const { return symbol.isEmpty() ? shownText() : symbol; }
};

// A full keyboard (function row, main block, navigation block, numeric keypad)
// and a mouse (three buttons, the wheel and its two axes).
// Each of the 86 names of KeyNameTable appears exactly once; the other keys
// carry the game's name where it has one, and are drawn greyed out.
const std::vector<KeyCap>& keyboardLayout();

// The rectangle, in key units, that holds every key of keyboardLayout().
QRectF keyboardLayoutBounds();

// The index in keyboardLayout() of the key named name (compared without
// regard to case), or -1.
int layoutIndexOf(const QString& name);

enum class MoveDirection { Left, Right, Up, Down };

// The key an arrow key moves to from key from: the nearest key whose centre
// lies in that direction, keys straight in line preferred; from itself at the
// edge of the picture, and the first key when from is no key.
int neighbourKey(int from, MoveDirection direction);

} // namespace parlomatic

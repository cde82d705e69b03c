// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/KeyboardLayout.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

namespace parlomatic {

namespace {

// The short symbols of the punctuation keys.
QString symbolOf(const QString& name) {
    static const QHash<QString, QString> symbols{
        {QStringLiteral("Tilde"), QStringLiteral("~")},        {QStringLiteral("Minus"), QStringLiteral("-")},
        {QStringLiteral("Equals"), QStringLiteral("=")},       {QStringLiteral("LeftBracket"), QStringLiteral("[")},
        {QStringLiteral("RightBracket"), QStringLiteral("]")}, {QStringLiteral("Backslash"), QStringLiteral("\\")},
        {QStringLiteral("Semicolon"), QStringLiteral(";")},    {QStringLiteral("SingleQuote"), QStringLiteral("'")},
        {QStringLiteral("Comma"), QStringLiteral(",")},        {QStringLiteral("Period"), QStringLiteral(".")},
        {QStringLiteral("Slash"), QStringLiteral("/")},
    };
    return symbols.value(name);
}

// Lays out keys one unit high from left to right.
class LayoutBuilder {
public:
    // keys: the game's names separated by blanks; "name:width" gives a key
    // another width than one unit, and "-:width" leaves a gap.
    LayoutBuilder& row(KeyBlock block, qreal left, qreal top, const QString& keys) {
        qreal x = left;
        for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList parts = key.split(QLatin1Char(':'));
            const qreal width = parts.size() > 1 ? parts.at(1).toDouble() : 1.0;
            if (parts.first() != QStringLiteral("-"))
                this->key(block, parts.first(), QRectF(x, top, width, 1.0));
            x += width;
        }
        return *this;
    }

    LayoutBuilder& key(KeyBlock block, const QString& name, const QRectF& place) {
        m_keys.push_back(KeyCap{name, QString(), place, block, QString(), symbolOf(name)});
        return *this;
    }

    // A key the game has no name of its own for.
    LayoutBuilder& unnamed(KeyBlock block, const QString& caption, const QRectF& place, const QString& why) {
        m_keys.push_back(KeyCap{QString(), caption, place, block, why, QString()});
        return *this;
    }

    std::vector<KeyCap> take() { return std::move(m_keys); }

private:
    std::vector<KeyCap> m_keys;
};

// The left edges of the blocks beside the main block, and of the mouse.
constexpr qreal navigationLeft = 15.5;
constexpr qreal keypadLeft = 19.0;
constexpr qreal mouseLeft = 23.75;
constexpr qreal mouseButtonWidth = 1.75;
constexpr qreal wheelStep = 0.9;

std::vector<KeyCap> buildLayout() {
    const QString sameAsAlt =
        QCoreApplication::translate("KeyboardLayout", "The game does not tell this key apart from Alt.");
    const QString sameAsEnter =
        QCoreApplication::translate("KeyboardLayout", "The game does not tell this key apart from Enter.");
    const QString unknownToGame = QCoreApplication::translate("KeyboardLayout", "The game has no name for this key.");
    LayoutBuilder layout;
    layout.row(KeyBlock::Function, 0, 0,
               QStringLiteral("Escape -:1 F1 F2 F3 F4 -:0.5 F5 F6 F7 F8 -:0.5 F9 F10 F11 F12"));
    layout.row(KeyBlock::Function, navigationLeft, 0, QStringLiteral("PrintScrn ScrollLock Pause"));

    layout.row(KeyBlock::Main, 0, 1.5, QStringLiteral("Tilde 1 2 3 4 5 6 7 8 9 0 Minus Equals Backspace:2"));
    layout.row(KeyBlock::Main, 0, 2.5,
               QStringLiteral("Tab:1.5 Q W E R T Y U I O P LeftBracket RightBracket Backslash:1.5"));
    layout.row(KeyBlock::Main, 0, 3.5,
               QStringLiteral("CapsLock:1.75 A S D F G H J K L Semicolon SingleQuote Enter:2.25"));
    layout.row(KeyBlock::Main, 0, 4.5, QStringLiteral("Shift:2.25 Z X C V B N M Comma Period Slash RShift:2.75"));
    layout.row(KeyBlock::Main, 0, 5.5, QStringLiteral("Ctrl:1.25 -:1.25 Alt:1.25 Space:6.25 -:3.75 RControl:1.25"));
    layout.unnamed(KeyBlock::Main, QStringLiteral("Win"), QRectF(1.25, 5.5, 1.25, 1.0), unknownToGame);
    layout.unnamed(KeyBlock::Main, QStringLiteral("AltGr"), QRectF(10.0, 5.5, 1.25, 1.0), sameAsAlt);
    layout.unnamed(KeyBlock::Main, QStringLiteral("Win"), QRectF(11.25, 5.5, 1.25, 1.0), unknownToGame);
    layout.unnamed(KeyBlock::Main, QStringLiteral("Menu"), QRectF(12.5, 5.5, 1.25, 1.0), unknownToGame);

    layout.row(KeyBlock::Navigation, navigationLeft, 1.5, QStringLiteral("Insert Home PageUp"));
    layout.row(KeyBlock::Navigation, navigationLeft, 2.5, QStringLiteral("Delete End PageDown"));
    layout.row(KeyBlock::Navigation, navigationLeft + 1.0, 4.5, QStringLiteral("Up"));
    layout.row(KeyBlock::Navigation, navigationLeft, 5.5, QStringLiteral("Left Down Right"));

    layout.row(KeyBlock::Keypad, keypadLeft, 1.5, QStringLiteral("NumLock GreySlash GreyStar GreyMinus"));
    layout.row(KeyBlock::Keypad, keypadLeft, 2.5, QStringLiteral("NumPad7 NumPad8 NumPad9"));
    layout.key(KeyBlock::Keypad, QStringLiteral("GreyPlus"), QRectF(keypadLeft + 3.0, 2.5, 1.0, 2.0));
    layout.row(KeyBlock::Keypad, keypadLeft, 3.5, QStringLiteral("NumPad4 NumPad5 NumPad6"));
    layout.row(KeyBlock::Keypad, keypadLeft, 4.5, QStringLiteral("NumPad1 NumPad2 NumPad3"));
    layout.unnamed(KeyBlock::Keypad, QStringLiteral("Enter"), QRectF(keypadLeft + 3.0, 4.5, 1.0, 2.0), sameAsEnter);
    layout.row(KeyBlock::Keypad, keypadLeft, 5.5, QStringLiteral("NumPad0:2 NumPadPeriod"));

    const qreal wheelLeft = mouseLeft + mouseButtonWidth;
    layout.key(KeyBlock::Mouse, QStringLiteral("LeftMouse"), QRectF(mouseLeft, 0, mouseButtonWidth, 3 * wheelStep));
    layout.key(KeyBlock::Mouse, QStringLiteral("MouseWheelUp"), QRectF(wheelLeft, 0, mouseButtonWidth, wheelStep));
    layout.key(KeyBlock::Mouse, QStringLiteral("MiddleMouse"),
               QRectF(wheelLeft, wheelStep, mouseButtonWidth, wheelStep));
    layout.key(KeyBlock::Mouse, QStringLiteral("MouseWheelDown"),
               QRectF(wheelLeft, 2 * wheelStep, mouseButtonWidth, wheelStep));
    layout.key(KeyBlock::Mouse, QStringLiteral("RightMouse"),
               QRectF(wheelLeft + mouseButtonWidth, 0, mouseButtonWidth, 3 * wheelStep));
    layout.key(KeyBlock::Mouse, QStringLiteral("MouseX"), QRectF(mouseLeft + 0.5, 3.7, 2.0, 1.0));
    layout.key(KeyBlock::Mouse, QStringLiteral("MouseY"), QRectF(mouseLeft + 2.75, 3.7, 2.0, 1.0));
    return layout.take();
}

} // namespace

const std::vector<KeyCap>& keyboardLayout() {
    static const std::vector<KeyCap> layout = buildLayout();
    return layout;
}

QRectF keyboardLayoutBounds() {
    QRectF bounds;
    for (const KeyCap& key : keyboardLayout())
        bounds = bounds.united(key.place);
    return bounds;
}

int layoutIndexOf(const QString& name) {
    const std::vector<KeyCap>& layout = keyboardLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (!layout[i].name.isEmpty() && layout[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int neighbourKey(int from, MoveDirection direction) {
    const std::vector<KeyCap>& layout = keyboardLayout();
    if (from < 0 || from >= static_cast<int>(layout.size()))
        return 0;
    const bool horizontal = direction == MoveDirection::Left || direction == MoveDirection::Right;
    const qreal sign = (direction == MoveDirection::Right || direction == MoveDirection::Down) ? 1.0 : -1.0;
    const QRectF& start = layout[static_cast<std::size_t>(from)].place;
    const QPointF origin = start.center();
    // Only keys wholly beyond the edge of the start key in that direction count.
    const qreal edge = direction == MoveDirection::Left    ? -start.left()
                       : direction == MoveDirection::Right ? start.right()
                       : direction == MoveDirection::Up    ? -start.top()
                                                           : start.bottom();
    int best = from;
    qreal bestScore = 0;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const QRectF& place = layout[i].place;
        const qreal nearSide = direction == MoveDirection::Left    ? -place.right()
                               : direction == MoveDirection::Right ? place.left()
                               : direction == MoveDirection::Up    ? -place.bottom()
                                                                   : place.top();
        if (nearSide < edge - 0.01)
            continue;
        const QPointF offset = place.center() - origin;
        const qreal along = sign * (horizontal ? offset.x() : offset.y());
        // How far the key lies beside the line of movement: nothing for a key the line passes through.
        const qreal low = horizontal ? place.top() : place.left();
        const qreal high = horizontal ? place.bottom() : place.right();
        const qreal at = horizontal ? origin.y() : origin.x();
        const qreal beside = at < low ? low - at : (at > high ? at - high : 0.0);
        const qreal score = along + 3.0 * beside;
        if (best == from || score < bestScore) {
            best = static_cast<int>(i);
            bestScore = score;
        }
    }
    return best;
}

} // namespace parlomatic

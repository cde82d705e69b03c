// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/KeyNameTable.h"

namespace parlomatic {

const QStringList& KeyNameTable() {
    static const QStringList names{
        // 0-16
        QStringLiteral("LeftMouse"),
        QStringLiteral("RightMouse"),
        QStringLiteral("MiddleMouse"),
        QStringLiteral("Tab"),
        QStringLiteral("Enter"),
        QStringLiteral("Shift"),
        QStringLiteral("Ctrl"),
        QStringLiteral("Pause"),
        QStringLiteral("CapsLock"),
        QStringLiteral("Escape"),
        QStringLiteral("Space"),
        QStringLiteral("PageDown"),
        QStringLiteral("End"),
        QStringLiteral("Left"),
        QStringLiteral("Up"),
        QStringLiteral("Right"),
        QStringLiteral("Down"),
        // 17-26
        QStringLiteral("0"),
        QStringLiteral("1"),
        QStringLiteral("2"),
        QStringLiteral("3"),
        QStringLiteral("4"),
        QStringLiteral("5"),
        QStringLiteral("6"),
        QStringLiteral("7"),
        QStringLiteral("8"),
        QStringLiteral("9"),
        // 27-38
        QStringLiteral("F1"),
        QStringLiteral("F2"),
        QStringLiteral("F3"),
        QStringLiteral("F4"),
        QStringLiteral("F5"),
        QStringLiteral("F6"),
        QStringLiteral("F7"),
        QStringLiteral("F8"),
        QStringLiteral("F9"),
        QStringLiteral("F10"),
        QStringLiteral("F11"),
        QStringLiteral("F12"),
        // 39-46
        QStringLiteral("Equals"),
        QStringLiteral("Minus"),
        QStringLiteral("Slash"),
        QStringLiteral("LeftBracket"),
        QStringLiteral("Backslash"),
        QStringLiteral("RightBracket"),
        QStringLiteral("MouseX"),
        QStringLiteral("MouseY"),
        // 47-68: the letters without I, P, R and Y
        QStringLiteral("A"),
        QStringLiteral("B"),
        QStringLiteral("C"),
        QStringLiteral("D"),
        QStringLiteral("E"),
        QStringLiteral("F"),
        QStringLiteral("G"),
        QStringLiteral("H"),
        QStringLiteral("J"),
        QStringLiteral("K"),
        QStringLiteral("L"),
        QStringLiteral("M"),
        QStringLiteral("N"),
        QStringLiteral("O"),
        QStringLiteral("Q"),
        QStringLiteral("S"),
        QStringLiteral("T"),
        QStringLiteral("U"),
        QStringLiteral("V"),
        QStringLiteral("W"),
        QStringLiteral("X"),
        QStringLiteral("Z"),
        // 69-78
        QStringLiteral("NumPad0"),
        QStringLiteral("NumPad1"),
        QStringLiteral("NumPad2"),
        QStringLiteral("NumPad3"),
        QStringLiteral("NumPad4"),
        QStringLiteral("NumPad5"),
        QStringLiteral("NumPad6"),
        QStringLiteral("NumPad7"),
        QStringLiteral("NumPad8"),
        QStringLiteral("NumPad9"),
        // 79-85
        QStringLiteral("GreyStar"),
        QStringLiteral("NumPadPeriod"),
        QStringLiteral("GreySlash"),
        QStringLiteral("ScrollLock"),
        QStringLiteral("Semicolon"),
        QStringLiteral("MouseWheelDown"),
        QStringLiteral("MouseWheelUp"),
    };
    return names;
}

const QStringList& MoreKeyNames() {
    static const QStringList names{
        QStringLiteral("Backspace"),   QStringLiteral("Tilde"),    QStringLiteral("R"),
        QStringLiteral("Y"),           QStringLiteral("I"),        QStringLiteral("P"),
        QStringLiteral("SingleQuote"), QStringLiteral("Comma"),    QStringLiteral("Period"),
        QStringLiteral("RShift"),      QStringLiteral("Alt"),      QStringLiteral("RControl"),
        QStringLiteral("PrintScrn"),   QStringLiteral("Insert"),   QStringLiteral("Home"),
        QStringLiteral("PageUp"),      QStringLiteral("Delete"),   QStringLiteral("NumLock"),
        QStringLiteral("GreyMinus"),   QStringLiteral("GreyPlus"),
    };
    return names;
}

} // namespace parlomatic

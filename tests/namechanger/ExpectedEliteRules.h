// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace parlomatic::test {

// The rule tables as the player must see them, written out independently of
// the program's own tables: the letter, the replacement and the Windows-1252
// bytes that the replacement becomes in the profile.
struct ExpectedEliteRule {
    int table; // 1 or 2
    char letter;
    QString replacement;
    QByteArray bytes;
};

inline const QList<ExpectedEliteRule>& expectedEliteRules() {
    static const QList<ExpectedEliteRule> rules{
        {1, 'a', QStringLiteral("@"), QByteArray("\x40")},
        {1, 'b', QStringLiteral("\u00FE"), QByteArray("\xFE")},
        {1, 'c', QStringLiteral("\u00A9"), QByteArray("\xA9")},
        {1, 'e', QStringLiteral("\u00EA"), QByteArray("\xEA")},
        {1, 'f', QStringLiteral("\u0192"), QByteArray("\x83")},
        {1, 'i', QStringLiteral("\u00CE"), QByteArray("\xCE")},
        {1, 'm', QStringLiteral("/v\\"), QByteArray("\x2F\x76\x5C")},
        {1, 'o', QStringLiteral("\u00D8"), QByteArray("\xD8")},
        {1, 'n', QStringLiteral("N"), QByteArray("\x4E")},
        {1, 's', QStringLiteral("\u00A7"), QByteArray("\xA7")},
        {1, 't', QStringLiteral("T"), QByteArray("\x54")},
        {1, 'r', QStringLiteral("\u00AE"), QByteArray("\xAE")},
        {1, 'u', QStringLiteral("\u00DC"), QByteArray("\xDC")},
        {1, 'v', QStringLiteral("\\/"), QByteArray("\x5C\x2F")},
        {1, 'x', QStringLiteral("\u00BB\u00AB"), QByteArray("\xBB\xAB")},
        {1, 'y', QStringLiteral("\u0178"), QByteArray("\x9F")},
        {2, 'a', QStringLiteral("\u00C5"), QByteArray("\xC5")},
        {2, 'b', QStringLiteral("\u00DF"), QByteArray("\xDF")},
        {2, 'c', QStringLiteral("\u00A2"), QByteArray("\xA2")},
        {2, 'e', QStringLiteral("\u00CA"), QByteArray("\xCA")},
        {2, 'i', QStringLiteral("\u00EF"), QByteArray("\xEF")},
        {2, 'm', QStringLiteral("M"), QByteArray("\x4D")},
        {2, 'o', QStringLiteral("\u00F5"), QByteArray("\xF5")},
        {2, 'n', QStringLiteral("\u00F1"), QByteArray("\xF1")},
        {2, 's', QStringLiteral("$"), QByteArray("\x24")},
        {2, 'u', QStringLiteral("\u00FB"), QByteArray("\xFB")},
        {2, 'y', QStringLiteral("\u00FD"), QByteArray("\xFD")},
    };
    return rules;
}

} // namespace parlomatic::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/BindingClass.h"

#include "catalogue/CurrentTauntTable.h"
#include "profile/SpeechBinding.h"

#include <QSet>
#include <QStringList>

namespace parlomatic {

namespace {

// Command words and arguments of Axis, Button and Toggle, lower-cased.
const QSet<QString>& movementWords() {
    static const QSet<QString> words{
        QStringLiteral("moveforward"), QStringLiteral("movebackward"), QStringLiteral("strafeleft"),
        QStringLiteral("straferight"), QStringLiteral("turnleft"),     QStringLiteral("turnright"),
        QStringLiteral("jump"),        QStringLiteral("duck"),         QStringLiteral("walking"),
        QStringLiteral("strafe"),      QStringLiteral("lookup"),       QStringLiteral("lookdown"),
        QStringLiteral("centerview"),  QStringLiteral("look"),         QStringLiteral("looktoggle"),
        QStringLiteral("freelook"),    QStringLiteral("abasex"),       QStringLiteral("abasey"),
        QStringLiteral("astrafe"),     QStringLiteral("aup"),          QStringLiteral("aforward"),
        QStringLiteral("aturn"),       QStringLiteral("alookup"),      QStringLiteral("amousex"),
        QStringLiteral("amousey"),     QStringLiteral("bduck"),        QStringLiteral("brun"),
        QStringLiteral("bstrafe"),     QStringLiteral("blook"),        QStringLiteral("bsnaplevel"),
        QStringLiteral("bfreelook"),
    };
    return words;
}

const QSet<QString>& weaponWords() {
    static const QSet<QString> words{
        QStringLiteral("fire"),          QStringLiteral("altfire"),
        QStringLiteral("nextweapon"),    QStringLiteral("prevweapon"),
        QStringLiteral("switchweapon"),  QStringLiteral("getweapon"),
        QStringLiteral("throwweapon"),   QStringLiteral("switchtobestweapon"),
        QStringLiteral("bfire"),         QStringLiteral("baltfire"),
        QStringLiteral("s_kreload"),     QStringLiteral("s_kchangefiremode"),
        QStringLiteral("tothrowweapon"),
    };
    return words;
}

// The word that says what one command does: its first word, or the argument of Axis, Button and Toggle.
QString commandWord(const QString& command) {
    const QStringList words = command.simplified().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    const QString& first = words.first();
    const bool takesArgument =
        first == QStringLiteral("axis") || first == QStringLiteral("button") || first == QStringLiteral("toggle");
    return takesArgument && words.size() > 1 ? words.at(1) : first;
}

BindingClass commandClass(const QString& value) {
    for (const QString& command : value.split(QLatin1Char('|'))) {
        const QString word = commandWord(command);
        if (movementWords().contains(word))
            return BindingClass::Movement;
        if (weaponWords().contains(word))
            return BindingClass::Weapon;
    }
    return BindingClass::OtherCommand;
}

// The label of the last labelled slot that carries the binding's numbers, or an empty text.
QString currentTauntLabel(const QString& value, const CurrentTauntTable& taunts) {
    const auto numbers = readSpeechBinding(value);
    if (!numbers)
        return {};
    QString label;
    for (int j = 0; j <= taunts.lastSlot(); ++j) {
        const TauntEntry& entry = taunts.slot(j);
        if (!entry.isPlaceholder() && entry.speechType == numbers->type && entry.speechIndex == numbers->index)
            label = entry.label;
    }
    return label;
}

} // namespace

ClassifiedBinding classifyBinding(const QString& value, const CurrentTauntTable* currentTaunts) {
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(QStringLiteral("None"), Qt::CaseInsensitive) == 0)
        return {BindingClass::Nothing, {}};
    if (currentTaunts != nullptr) {
        if (QString label = currentTauntLabel(trimmed, *currentTaunts); !label.isEmpty())
            return {BindingClass::CurrentTaunt, label};
    }
    if (startsWithSpeechWord(trimmed))
        return {BindingClass::OtherSpeech, {}};
    return {commandClass(trimmed), {}};
}

} // namespace parlomatic

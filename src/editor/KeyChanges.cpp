// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyChanges.h"

#include "catalogue/LabelText.h"
#include "catalogue/TauntTable.h"

#include <QCoreApplication>

namespace parlomatic {

namespace {

QString spoken(const QString& label) {
    return label.isEmpty() ? QCoreApplication::translate("KeyChanges", "(nothing)") : label;
}

} // namespace

QString labelOf(const SpeechBinding& binding, int voicepack) {
    QString label;
    for (const TauntEntry& entry : TauntTableFor(voicepack).entries) {
        if (!entry.isPlaceholder() && entry.speechType == binding.type && entry.speechIndex == binding.index)
            label = withoutPadding(entry.label);
    }
    return label;
}

QList<KeyChange> keyChanges(const QList<KeySpeech>& bindings, int from, int to) {
    QList<KeyChange> changes;
    for (const KeySpeech& key : bindings) {
        KeyChange change{key.keyName, labelOf(key.binding, from), labelOf(key.binding, to)};
        if (change.before != change.after)
            changes.append(change);
    }
    return changes;
}

QString keyChangesText(const QList<KeyChange>& changes, const QString& voicepackName) {
    QString text = QCoreApplication::translate("KeyChanges", "What your keys say now in %1:").arg(voicepackName);
    for (const KeyChange& change : changes)
        text += QStringLiteral("\n%1: %2 \u2192 %3").arg(change.keyName, spoken(change.before), spoken(change.after));
    return text;
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/SpeechBinding.h"

#include <QList>
#include <QString>

namespace parlomatic {

// A key whose speech binding says something else in another voicepack.
struct KeyChange {
    QString keyName;
    // The labels without padding; empty when the key says nothing in that voicepack.
    QString before;
    QString after;

    friend bool operator==(const KeyChange&, const KeyChange&) = default;
};

struct KeySpeech {
    QString keyName;
    SpeechBinding binding;
};

// What the taunt of binding is called in voicepack (0 to 14): the label of
// the last slot with its type and index, without padding; empty when none.
QString labelOf(const SpeechBinding& binding, int voicepack);

// The keys among bindings whose taunt is called differently under the
// voicepacks from and to (0 to 14), in the order given.
QList<KeyChange> keyChanges(const QList<KeySpeech>& bindings, int from, int to);

// "What your keys say now in <voicepack>:" and one line per change,
// "End: Affirmative → Bestätige" or "F9: Incoming! → (nothing)".
QString keyChangesText(const QList<KeyChange>& changes, const QString& voicepackName);

} // namespace parlomatic

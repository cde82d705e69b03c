// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace parlomatic {

// The value of an [Engine.Input] entry that makes the game speak one taunt:
// "speech <type> <index> -1", for example "speech 3 12 -1". The form supports
// a type of one digit and an index of one or two digits.
struct SpeechBinding {
    qint16 type = 0;
    qint16 index = 0;

    friend bool operator==(const SpeechBinding&, const SpeechBinding&) = default;
};

// "speech" + " " + type + " " + index + " -1", numbers in decimal without
// leading zeros or sign.
QString speechBindingText(qint16 type, qint16 index);

// True when the first six characters are exactly "speech", "SPEECH" or
// "Speech"; no other mixture of capitals counts.
bool isSpeechBinding(const QString& value);

// True when text begins with "speech" in any ASCII case: a speech command of
// the game, whatever taunt it names and however it is spelled.
bool startsWithSpeechWord(QStringView text);

// The type text: the character at position 8 (counting from 1), or an empty
// text when the value is shorter.
QString speechTypeText(const QString& value);

// The index text: the character at position 10 when the character at position
// 11 is a blank, otherwise the characters at positions 10 and 11 as far as the
// value reaches (so possibly one or none).
QString speechIndexText(const QString& value);

// The type and index of a speech binding, read by position as above and taken
// as numbers, so that they compare with a taunt's numbers as numbers: the index
// text "05" gives 5. Empty when the value is not a speech binding
// (isSpeechBinding) or when the type text is not one digit or the index text
// not one or two digits ("speech", "speech x", "speech 3").
std::optional<SpeechBinding> readSpeechBinding(const QString& value);

} // namespace parlomatic

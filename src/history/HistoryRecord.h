// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileChange.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace parlomatic {

// Who made a change of the history.
enum class ChangeSource { Window, CommandLine, NameChanger, Reapply };

// The word for source that the history stores and the command line shows;
// the window shows it translated.
const char* sourceWord(ChangeSource source);

// One change of one profile in its history.
struct HistoryRecord {
    qint64 id = 0; // counts up within the profile's history
    QDateTime time;
    ChangeSource source = ChangeSource::Window;
    QString description; // for the player: "F7 now says "Roger"", "Voicepack: Nali Voice"
    bool gameRunning = false;
    // Made while the game ran and not yet checked after its exit.
    bool pending = false;
    // Taken back by a later undo.
    bool undone = false;
    // The records this one undid, when it is an undo.
    QList<qint64> undoes;
    bool wholeFile = false;
    QByteArray previousContent; // wholeFile: the file's bytes before
    QList<EntryChange> entries;

    // Whether undo may take this record back: a change not yet undone that is no undo itself.
    bool undoable() const { return !undone && undoes.isEmpty(); }

    QJsonObject toJson() const;
    // nullopt for an object that is no record.
    static std::optional<HistoryRecord> fromJson(const QJsonObject& object);
};

} // namespace parlomatic

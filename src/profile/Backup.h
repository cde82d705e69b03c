// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace parlomatic {

// The backup beside a profile: the path without its last four characters,
// followed by "1.bak" (".../kvuser.ini" gives ".../kvuser1.bak").
QString backupPathFor(const QString& profilePath);

// Gives the file at path exactly bytes, whole or nothing: the complete new
// content, synced to disk, replaces it in one rename, or it is left byte for
// byte as it was and a failure says why (without naming the path). Holds the
// lock our writers share. Owner, group and permissions of an existing file are kept.
Result writeFileAtomically(const QString& path, QByteArrayView bytes);

// Copies source over destination as a whole, as writeFileAtomically writes.
// Fails when source is missing, is no regular file, is over 128 MB or cannot be
// read whole. A destination that already holds the same bytes is not
// rewritten: the outcome is the same as a copy.
Result copyFileAtomically(const QString& source, const QString& destination);

// Whether bytes look like a profile worth keeping: more than 10 bytes of
// text with at least one section header line (an empty, binary or cut-off
// file has none).
bool plausibleProfile(const QByteArray& bytes);

// What MakeBackup did.
struct BackupMade {
    enum Outcome { Made, KeptGoodBackup, Failed };
    Outcome outcome = Made;
    QString error; // KeptGoodBackup, Failed: why, in a sentence
};

// Copies the profile to its backup, replacing an earlier backup; but a
// profile that is not plausible (a crashed save left it empty, say) never
// replaces a plausible backup: then the backup is kept (KeptGoodBackup).
BackupMade MakeBackup(const QString& source, const QString& destination);

// The content of the backup when it is worth restoring: a plausible profile
// in a regular file. nullopt otherwise.
std::optional<QByteArray> plausibleBackup(const QString& backupPath);

} // namespace parlomatic

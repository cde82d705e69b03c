#pragma once

#include "profile/Result.h"

#include <QString>

namespace parlomatic {

// The backup beside a profile: the path without its last four characters,
// followed by "1.bak" (".../kvuser.ini" gives ".../kvuser1.bak").
QString backupPathFor(const QString& profilePath);

// Copies source over destination as a whole, atomically: the destination is
// either the complete new copy or left exactly as it was. Fails when the
// source cannot be read or the destination cannot be replaced.
Result copyFileAtomically(const QString& source, const QString& destination);

// Copies the profile to its backup, replacing an earlier backup.
inline Result MakeBackup(const QString& source, const QString& destination) {
    return copyFileAtomically(source, destination);
}

// A backup is worth restoring when it is a readable file of more than 10 bytes.
bool isPlausibleBackup(const QString& backupPath);

} // namespace parlomatic

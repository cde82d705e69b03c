// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/FileAccess.h"

#include <functional>
#include <optional>

// What the Unix and the Windows side of FileAccess share.
namespace parlomatic::files::detail {

FileRead failedRead(const QString& reason);
Replacement failure(const QString& reason);
QString tooLargeReason();
QString cannotRead(const QString& systemReason);
// A new name for a temporary file beside the file named fileName:
// temporaryPrefix and six random letters or digits.
QString temporaryName(const QString& fileName);
// Removes every temporary file of fileName from folder. Under the WriterLock no
// other write of ours runs, so each is a leftover of a write killed before its rename.
void removeLeftoverTemporaries(const QString& folder, const QString& fileName);

// Reads an open file to its end through readSome, which returns the number of
// bytes it read, 0 at the end, or -1 on an error (then described by
// errorText()). expectedSize is the file's size before the read: one byte more
// is asked for, so that a file that grows, or a special file that claims a
// size of 0 and never ends, is seen. Fails beyond sizeLimit. The stamp is not set.
FileRead readToEnd(qint64 expectedSize, const std::function<qint64(char* into, qint64 room)>& readSome,
                   const std::function<QString()>& errorText);

// One read of the file at path; nullopt when it changed while it was read.
// Each platform has its own.
std::optional<FileRead> readOnce(const QString& path);

} // namespace parlomatic::files::detail

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/FileAccess.h"
#include "profile/ProfileChange.h"
#include "profile/Result.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace parlomatic {

struct ProfileReadCache;

// One profile file (kvuser.ini) and the two operations through which the
// program reads and writes single entries of it. Outside a ReadScope nothing
// is cached: every read reads the file again, so changes made by the game are
// seen at once.
class ProfileFile {
public:
    explicit ProfileFile(QString profilePath = {});

    // While a scope is open, the reads through this ProfileFile (and its copies)
    // come from one read of the file, made by the first of them: the file as it
    // is when the outermost scope opens, or right after the last write. Every
    // WriteEntry drops what was read (one that finds the file as read and leaves
    // it so keeps it). Each outermost scope reads the file again; the index of
    // the bytes is kept between scopes and reused when they are the same.
    class ReadScope {
    public:
        explicit ReadScope(const ProfileFile& profile);
        ~ReadScope();
        ReadScope(const ReadScope&) = delete;
        ReadScope& operator=(const ReadScope&) = delete;

    private:
        std::shared_ptr<ProfileReadCache> m_cache;
    };

    const QString& profilePath() const { return m_profilePath; }

    // Value of key in the first section named section (both matched without
    // regard to ASCII case, surrounding blanks of the arguments ignored), trimmed
    // and with one pair of outer quotes removed, cut to capacity - 1 characters.
    // A missing file, section or key gives defaultValue without its trailing
    // blanks (also cut to capacity - 1). capacity <= 0 gives an empty text.
    // "Key=" gives an empty text, not the default. A file that cannot be read
    // counts as missing, as does anything but a regular file (or a link to
    // one) and a file over 128 MB. Text is converted from Windows-1252, or from
    // UTF-16 when the file starts with a UTF-16 byte-order mark.
    QString ReadEntry(const QString& section, const QString& key, const QString& defaultValue, int capacity) const;

    // Gives key in section the value: replaces the value of the first matching
    // entry in place, or inserts the entry after the section's last entry, or
    // appends the section. Every other byte of the file stays as it was.
    //
    // The write is whole or nothing: the complete new content, synced to disk,
    // replaces the file in one rename, or the file is left byte for byte as it
    // was and a failure is returned (full disk, write or sync error, read-only
    // file, missing folder, a folder or special file in its place, a file over
    // 128 MB, a file that cannot be read whole, as its content would be lost).
    // Owner, group and permissions are kept. Only a folder that refuses new
    // files while the file is writable makes it rewrite the file in place.
    //
    // Across the read and the rename it holds the lock that our other writers
    // take. A file changed in the last moments may be in the middle of a save
    // by the game, so it is read once it has been quiet for 50 ms (waiting at
    // most a second). If another program changed the file between the read and
    // the rename, the file is read again and the one change made anew, a few
    // times; then it fails and leaves the file as the other program wrote it.
    //
    // Also fails, writing nothing, for names or values holding CR, LF or NUL,
    // a section holding ']', an empty key, a key holding '=' or starting with
    // ';' or '[', and a section or key that begins or ends with a tab or a
    // vertical tab (it could never be found again). The surrounding spaces of
    // section and key are not written. Writing the value an entry already has
    // leaves the file untouched. Lines created end like the file's own lines.
    // Text is converted to Windows-1252, with '?' for characters it cannot
    // hold; a UTF-16 file stays UTF-16 with its byte-order mark, and one that
    // could not be written back exactly (odd length, broken surrogates) is
    // not written. Failure reasons do not name the path.
    Result WriteEntry(const QString& section, const QString& key, const QString& value) const;

    // Removes the line of the entry that ReadEntry would read, as WriteEntry
    // writes (guarded, whole or nothing). No such entry: nothing is written.
    Result RemoveEntry(const QString& section, const QString& key) const;

    // Gives the file exactly bytes (a restore), guarded as WriteEntry writes.
    // A missing file is created; its folder must exist.
    Result ReplaceContent(const QByteArray& bytes) const;

    // What the writes through this ProfileFile and its copies have committed
    // since the last call: every changed entry with its value before and
    // after, and the file as it was before the first of them. Failed writes
    // and writes that changed nothing add nothing.
    ProfileChange takeChanges() const;

    // For tests: called during each write after the file was read and just
    // before the new content is checked against it and takes its place.
    void setBeforeReplace(std::function<void()> hook) { m_beforeReplace = std::move(hook); }

private:
    struct NewContent;
    // Reads the file under the writers' lock and replaces it with what
    // makeNew makes of the bytes read, guarded against other programs'
    // writes; records what makeNew says it changed.
    Result rewrite(const std::function<NewContent(const files::FileRead& read)>& makeNew) const;
    Result writeValue(const QString& section, const QString& key, const std::optional<QString>& value) const;

    QString m_profilePath;
    std::function<void()> m_beforeReplace;
    // The file as this object last wrote it: a fresh file of our own is no save in progress.
    mutable files::FileStamp m_lastWritten;
    // Shared by the copies of this object and their scopes.
    std::shared_ptr<ProfileReadCache> m_cache;
    // Shared by the copies of this object: what their writes committed.
    std::shared_ptr<ProfileChange> m_changes;
};

} // namespace parlomatic

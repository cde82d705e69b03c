#pragma once

#include "profile/Result.h"

#include <QString>

#include <memory>
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
    // counts as missing. Text is converted from Windows-1252.
    QString ReadEntry(const QString& section, const QString& key, const QString& defaultValue, int capacity) const;

    // Gives key in section the value: replaces the value of the first matching
    // entry in place, or inserts the entry after the section's last entry, or
    // appends the section. Every other byte of the file stays as it was. The
    // file is replaced atomically. Fails, writing nothing, for names or values
    // holding CR, LF or NUL, a section holding ']', an empty key, a key holding
    // '=' or starting with ';' or '[', a missing folder, or an unwritable file;
    // also when the existing file cannot be read, as its content would be lost.
    // The surrounding blanks of section and key are not written. Writing the
    // value an entry already has leaves the file untouched. Lines created end
    // like the file's own lines. Text is converted to Windows-1252, with '?'
    // for characters it cannot hold.
    Result WriteEntry(const QString& section, const QString& key, const QString& value) const;

private:
    QString m_profilePath;
    // Shared by the copies of this object and their scopes.
    std::shared_ptr<ProfileReadCache> m_cache;
};

} // namespace parlomatic

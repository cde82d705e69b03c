// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"

#include "catalogue/LabelText.h"
#include "profile/FileAccess.h"
#include "profile/ProfileEdits.h"
#include "profile/ProfileEncoding.h"
#include "profile/ProfileIndex.h"
#include "profile/ProfileLines.h"
#include "profile/Windows1252.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <optional>
#include <utility>

namespace parlomatic {

namespace {

// The profile functions ignore spaces (not tabs) around the section and key they are given.
QStringView withoutSurroundingSpaces(QStringView text) {
    while (text.startsWith(u' '))
        text = text.sliced(1);
    return withoutPadding(text);
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v';
}

bool hasBlankAtAnEnd(QStringView name) {
    return !name.isEmpty() && (isBlank(name.front()) || isBlank(name.back()));
}

bool hasLineBreakOrNul(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(u'\0'));
}

// Arguments that would add lines or sections of their own to the file, or
// write an entry that can never be read back, are refused.
std::optional<QString> argumentProblem(QStringView section, QStringView key, QStringView value) {
    if (hasLineBreakOrNul(section))
        return QCoreApplication::translate("ProfileFile",
                                           "The section name must not contain a line break or a NUL character.");
    if (section.contains(u']'))
        return QCoreApplication::translate("ProfileFile", "The section name must not contain ']'.");
    // Spaces around the names are dropped, as the profile functions drop them;
    // a tab or vertical tab would be written but never found again.
    if (hasBlankAtAnEnd(withoutSurroundingSpaces(section)))
        return QCoreApplication::translate("ProfileFile",
                                           "The section name must not begin or end with a tab or vertical tab.");
    if (hasBlankAtAnEnd(withoutSurroundingSpaces(key)))
        return QCoreApplication::translate("ProfileFile", "The key must not begin or end with a tab or vertical tab.");
    if (hasLineBreakOrNul(key))
        return QCoreApplication::translate("ProfileFile", "The key must not contain a line break or a NUL character.");
    const QStringView name = withoutSurroundingSpaces(key);
    if (name.isEmpty())
        return QCoreApplication::translate("ProfileFile", "The key must not be empty.");
    if (name.contains(u'='))
        return QCoreApplication::translate("ProfileFile", "The key must not contain '='.");
    if (name.startsWith(u';') || name.startsWith(u'['))
        return QCoreApplication::translate("ProfileFile", "The key must not start with ';' or '['.");
    if (hasLineBreakOrNul(value))
        return QCoreApplication::translate("ProfileFile",
                                           "The value must not contain a line break or a NUL character.");
    return std::nullopt;
}

// How often a write reads the file again after another program changed it.
constexpr int writeAttempts = 4;
constexpr qint64 quietMs = 50;
constexpr qint64 longestQuietWaitMs = 1000;

// A save of the game truncates the file and writes it anew, perhaps in
// pieces: a file changed moments ago may be half written, and writing our
// change onto it would make the cut final. So it is read again until it has
// not changed for quietMs. Our own last write is known and not waited for.
files::FileRead readQuietFile(const QString& path, const files::FileStamp& ownWrite) {
    QElapsedTimer waited;
    waited.start();
    while (true) {
        files::FileRead read = files::readFile(path);
        if (read.status != files::FileRead::Read || read.stamp == ownWrite)
            return read;
        const qint64 ageMs = (QDateTime::currentMSecsSinceEpoch() * 1000000 - read.stamp.modified) / 1000000;
        // A time in the future (another clock, on a network drive) tells nothing.
        if (ageMs < 0 || ageMs >= quietMs || waited.hasExpired(longestQuietWaitMs))
            return read;
        QThread::msleep(static_cast<unsigned long>(quietMs - ageMs));
    }
}

// The file's text; a file that cannot be read gives an empty text, so that it counts as missing.
EightBitText readContent(const QString& path) {
    if (path.isEmpty())
        return {};
    files::FileRead read = files::readFile(path);
    if (read.status != files::FileRead::Read)
        return {};
    return decodeProfile(read.bytes);
}

// The value of key in section of text, the index of a profile's text in encoding.
std::optional<QString> valueIn(ProfileIndex& text, ProfileEncoding encoding, const QString& section,
                               const QString& key) {
    const std::optional<QByteArrayView> value = text.value(encodeText(encoding, withoutSurroundingSpaces(section)),
                                                           encodeText(encoding, withoutSurroundingSpaces(key)));
    if (!value)
        return std::nullopt;
    return decodeText(encoding, *value);
}

} // namespace

struct ProfileReadCache {
    int openScopes = 0;
    // The index holds the file as it is in this scope: read in it, or found equal to a read made in it.
    bool current = false;
    std::optional<ProfileIndex> index;
    ProfileEncoding encoding = ProfileEncoding::CodePage;
};

ProfileFile::ProfileFile(QString profilePath)
    : m_profilePath(std::move(profilePath)), m_cache(std::make_shared<ProfileReadCache>()),
      m_changes(std::make_shared<ProfileChange>()) {}

ProfileFile::ReadScope::ReadScope(const ProfileFile& profile) : m_cache(profile.m_cache) {
    // A refresh sees the file as it is when it starts; a nested one goes on with what was read.
    if (m_cache->openScopes++ == 0)
        m_cache->current = false;
}

ProfileFile::ReadScope::~ReadScope() {
    --m_cache->openScopes;
}

QString ProfileFile::ReadEntry(const QString& section, const QString& key, const QString& defaultValue,
                               int capacity) const {
    if (capacity <= 0)
        return {};
    const qsizetype longest = capacity - 1;
    std::optional<QString> value;
    if (m_cache->openScopes > 0) {
        if (!m_cache->current) {
            EightBitText content = readContent(m_profilePath);
            // The index of an earlier scope still holds when the file has not changed since.
            if (!m_cache->index || m_cache->encoding != content.encoding || m_cache->index->bytes() != content.text)
                m_cache->index.emplace(std::move(content.text));
            m_cache->encoding = content.encoding;
            m_cache->current = true;
        }
        value = valueIn(*m_cache->index, m_cache->encoding, section, key);
    } else {
        EightBitText content = readContent(m_profilePath);
        ProfileIndex text(std::move(content.text));
        value = valueIn(text, content.encoding, section, key);
    }
    if (value)
        return value->left(longest);

    // The default crosses the code page like a value read from the file would.
    const QByteArray bytes = Windows1252::encode(withoutPadding(QStringView(defaultValue)));
    return Windows1252::decode(QByteArrayView(bytes).first(std::min(longest, bytes.size())));
}

// What a rewrite gives the file, made from the bytes it read.
struct ProfileFile::NewContent {
    std::optional<QString> refusal; // nothing is written, and this is why
    QByteArray bytes;               // the file's new bytes
    QList<EntryChange> changes;     // what they change
    bool wholeFile = false;
    bool unchanged = false; // the file already holds what was to be written
};

Result ProfileFile::WriteEntry(const QString& section, const QString& key, const QString& value) const {
    return writeValue(section, key, value);
}

Result ProfileFile::RemoveEntry(const QString& section, const QString& key) const {
    return writeValue(section, key, std::nullopt);
}

Result ProfileFile::writeValue(const QString& section, const QString& key, const std::optional<QString>& value) const {
    if (const std::optional<QString> problem = argumentProblem(section, key, value.value_or(QString()))) {
        m_cache->index.reset();
        m_cache->current = false;
        return Result::failure(*problem);
    }
    const QStringView sectionName = withoutSurroundingSpaces(section);
    const QStringView keyName = withoutSurroundingSpaces(key);
    return rewrite([&](const files::FileRead& read) {
        NewContent made;
        const EightBitText content = decodeProfile(read.bytes);
        // Code-page text is the bytes themselves; UTF-16 must come back exactly from what it decodes to.
        if (content.encoding != ProfileEncoding::CodePage &&
            encodeProfile(content.encoding, content.text) != read.bytes) {
            made.refusal = QCoreApplication::translate(
                "ProfileFile", "It is UTF-16 text that could not be written back exactly (an odd number of "
                               "bytes or a broken character); it was left as it is.");
            return made;
        }
        const QByteArray sectionBytes = encodeText(content.encoding, sectionName);
        const QByteArray keyBytes = encodeText(content.encoding, keyName);
        ProfileIndex text(content.text);
        const QByteArray valueBytes = value ? encodeText(content.encoding, *value) : QByteArray();
        const QByteArray after =
            value ? withValue(text, sectionBytes, keyBytes, valueBytes) : withoutEntry(text, sectionBytes, keyBytes);
        if (after == content.text) {
            made.unchanged = true;
            return made;
        }
        made.bytes = encodeProfile(content.encoding, after);
        const std::optional<QByteArrayView> old = text.storedValue(sectionBytes, keyBytes);
        EntryChange change{sectionName.toString(), keyName.toString(), std::nullopt, std::nullopt};
        if (old)
            change.before = decodeText(content.encoding, *old);
        if (value)
            change.after = decodeText(content.encoding, profilelines::trimmed(valueBytes));
        made.changes.append(change);
        return made;
    });
}

Result ProfileFile::ReplaceContent(const QByteArray& bytes) const {
    return rewrite([&](const files::FileRead& read) {
        NewContent made;
        made.bytes = bytes;
        made.wholeFile = true;
        made.unchanged = read.status == files::FileRead::Read && bytes == read.bytes;
        if (!made.unchanged)
            made.changes = entryDifferences(DecodedEntries(read.bytes), DecodedEntries(bytes));
        return made;
    });
}

ProfileChange ProfileFile::takeChanges() const {
    return std::exchange(*m_changes, ProfileChange());
}

Result ProfileFile::rewrite(const std::function<NewContent(const files::FileRead& read)>& makeNew) const {
    // What was read may be out of date from here on, whatever the outcome.
    std::optional<ProfileIndex> readBefore;
    readBefore.swap(m_cache->index);
    const ProfileEncoding encodingBefore = m_cache->encoding;
    m_cache->current = false;
    if (m_profilePath.isEmpty())
        return Result::failure(QCoreApplication::translate("ProfileFile", "No profile file is given."));

    const QString target = files::writeTarget(m_profilePath);
    const QFileInfo folder(QFileInfo(target).absolutePath());
    if (!folder.isDir())
        return Result::failure(
            folder.exists() ? QCoreApplication::translate("ProfileFile", "The folder it should be in is not a folder.")
                            : QCoreApplication::translate("ProfileFile", "The folder it should be in does not exist."));

    files::WriterLock lock;
    if (const Result locked = lock.acquire(folder.filePath()); !locked.ok())
        return locked;
    for (int attempt = 0; attempt < writeAttempts; ++attempt) {
        const files::FileRead read = readQuietFile(target, m_lastWritten);
        // Without the whole old content the rest of the file would be lost, so nothing is written.
        if (read.status == files::FileRead::Failed)
            return Result::failure(read.error);
        const NewContent made = makeNew(read);
        if (made.refusal)
            return Result::failure(*made.refusal);
        // The file already holds exactly this: leave it and its time stamp alone.
        if (made.unchanged) {
            // The file is as it was read: what was read holds, in a scope from now on.
            const EightBitText content = decodeProfile(read.bytes);
            if (readBefore && encodingBefore == content.encoding && readBefore->bytes() == content.text) {
                m_cache->index.swap(readBefore);
                m_cache->current = m_cache->openScopes > 0;
            }
            return Result::success();
        }

        // The game may have saved the file since it was read: then the new
        // content would throw its change away.
        const auto stillAsRead = [&] {
            if (m_beforeReplace)
                m_beforeReplace();
            return files::readFile(target).sameAs(read);
        };
        const files::Replacement replaced = files::replaceFile(target, made.bytes, stillAsRead);
        if (replaced.outcome == files::Replacement::Replaced) {
            m_lastWritten = replaced.stamp;
            if (m_changes->isEmpty())
                m_changes->previousContent = read.bytes;
            m_changes->wholeFile = m_changes->wholeFile || made.wholeFile;
            for (const EntryChange& change : made.changes)
                m_changes->add(change);
            return Result::success();
        }
        if (replaced.outcome == files::Replacement::Failed)
            return Result::failure(replaced.error);
    }
    return Result::failure(QCoreApplication::translate(
        "ProfileFile", "Another program kept changing it while it was being written; it was left as that "
                       "program wrote it."));
}

} // namespace parlomatic

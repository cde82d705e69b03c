#include "profile/ProfileFile.h"

#include "profile/ProfileIndex.h"
#include "profile/ProfileText.h"
#include "profile/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace parlomatic {

namespace {

// The profile functions ignore spaces (not tabs) around the section and key they are given.
QStringView withoutSurroundingSpaces(QStringView text) {
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v';
}

// The key as the file's reader will see it once written: without blanks, tabs and vertical tabs at its ends.
QStringView keyAsParsed(QStringView key) {
    while (!key.isEmpty() && isBlank(key.front()))
        key = key.sliced(1);
    while (!key.isEmpty() && isBlank(key.back()))
        key.chop(1);
    return key;
}

bool hasLineBreakOrNul(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(u'\0'));
}

// Arguments that would add lines or sections of their own to the file, or
// write an entry that can never be read back, are refused.
std::optional<QString> argumentProblem(QStringView section, QStringView key, QStringView value) {
    if (hasLineBreakOrNul(section))
        return u"The section name must not contain a line break or a NUL character."_s;
    if (section.contains(u']'))
        return u"The section name must not contain ']'."_s;
    if (hasLineBreakOrNul(key))
        return u"The key must not contain a line break or a NUL character."_s;
    const QStringView name = keyAsParsed(key);
    if (name.isEmpty())
        return u"The key must not be empty."_s;
    if (name.contains(u'='))
        return u"The key must not contain '='."_s;
    if (name.startsWith(u';') || name.startsWith(u'['))
        return u"The key must not start with ';' or '['."_s;
    if (hasLineBreakOrNul(value))
        return u"The value must not contain a line break or a NUL character."_s;
    return std::nullopt;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The whole file, or nothing when it cannot be read.
std::optional<QByteArray> readProfileBytes(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

struct ProfileReadCache {
    int openScopes = 0;
    // The index holds the file as it is in this scope: read in it, or found equal to a read made in it.
    bool current = false;
    std::optional<ProfileIndex> index;
};

ProfileFile::ProfileFile(QString profilePath)
    : m_profilePath(std::move(profilePath)), m_cache(std::make_shared<ProfileReadCache>()) {}

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
    const QByteArray sectionBytes = Windows1252::encode(withoutSurroundingSpaces(section));
    const QByteArray keyBytes = Windows1252::encode(withoutSurroundingSpaces(key));
    std::optional<QByteArrayView> value;
    QByteArray fileBytes; // what value points into, outside a scope
    if (m_cache->openScopes > 0) {
        if (!m_cache->current) {
            // An unreadable file is indexed as empty: it counts as missing for every read of the scope.
            QByteArray read = readProfileBytes(m_profilePath).value_or(QByteArray());
            // The index of an earlier scope still holds when the file has not changed since.
            if (!m_cache->index || m_cache->index->bytes() != read)
                m_cache->index.emplace(std::move(read));
            m_cache->current = true;
        }
        value = m_cache->index->value(sectionBytes, keyBytes);
    } else if (std::optional<QByteArray> read = readProfileBytes(m_profilePath)) {
        fileBytes = std::move(*read);
        value = ProfileText(fileBytes).value(sectionBytes, keyBytes);
    }
    if (value)
        return Windows1252::decode(value->first(std::min(longest, value->size())));

    QStringView fallback = defaultValue;
    while (fallback.endsWith(u' '))
        fallback.chop(1);
    // The default crosses the code page like a value read from the file would.
    const QByteArray bytes = Windows1252::encode(fallback);
    return Windows1252::decode(QByteArrayView(bytes).first(std::min(longest, bytes.size())));
}

Result ProfileFile::WriteEntry(const QString& section, const QString& key, const QString& value) const {
    // What was read may be out of date from here on, whatever the outcome.
    std::optional<ProfileIndex> readBefore;
    readBefore.swap(m_cache->index);
    m_cache->current = false;
    if (const std::optional<QString> problem = argumentProblem(section, key, value))
        return Result::failure(*problem);
    if (m_profilePath.isEmpty())
        return Result::failure(u"No profile file is given."_s);

    const QFileInfo info(m_profilePath);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return Result::failure((folder.exists() ? u"\"%1\" is not a folder."_s : u"The folder \"%1\" does not exist."_s)
                                   .arg(shown(folder.filePath())));

    QByteArray before;
    if (info.exists()) {
        if (!info.isFile())
            return Result::failure(u"\"%1\" is not a file."_s.arg(shown(m_profilePath)));
        // Without the whole old content the rest of the file would be lost, so nothing is written.
        QFile file(m_profilePath);
        if (!file.open(QIODevice::ReadOnly))
            return Result::failure(
                u"The profile \"%1\" cannot be read: %2"_s.arg(shown(m_profilePath), file.errorString()));
        before = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return Result::failure(
                u"The profile \"%1\" cannot be read: %2"_s.arg(shown(m_profilePath), file.errorString()));
    }

    const QByteArray after =
        ProfileText(before).withValue(Windows1252::encode(withoutSurroundingSpaces(section)),
                                      Windows1252::encode(withoutSurroundingSpaces(key)), Windows1252::encode(value));
    // The entry already holds exactly this value: leave the file and its time stamp alone.
    if (after == before) {
        // The file is as it was read: what was read holds, in a scope from now on.
        if (readBefore && readBefore->bytes() == before) {
            m_cache->index.swap(readBefore);
            m_cache->current = m_cache->openScopes > 0;
        }
        return Result::success();
    }

    // The new content goes to a temporary file beside the profile, which then replaces it in one rename.
    QSaveFile file(m_profilePath);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(
            u"The profile \"%1\" cannot be written: %2"_s.arg(shown(m_profilePath), file.errorString()));
    if (file.write(after) != after.size() || !file.commit())
        return Result::failure(
            u"The profile \"%1\" cannot be written: %2"_s.arg(shown(m_profilePath), file.errorString()));
    return Result::success();
}

} // namespace parlomatic

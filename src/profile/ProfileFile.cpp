#include "profile/ProfileFile.h"

#include "profile/FileAccess.h"
#include "profile/ProfileEncoding.h"
#include "profile/ProfileText.h"
#include "profile/Windows1252.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <optional>

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
        return u"The section name must not contain a line break or a NUL character."_s;
    if (section.contains(u']'))
        return u"The section name must not contain ']'."_s;
    // Spaces around the names are dropped, as the profile functions drop them;
    // a tab or vertical tab would be written but never found again.
    if (hasBlankAtAnEnd(withoutSurroundingSpaces(section)))
        return u"The section name must not begin or end with a tab or vertical tab."_s;
    if (hasBlankAtAnEnd(withoutSurroundingSpaces(key)))
        return u"The key must not begin or end with a tab or vertical tab."_s;
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

} // namespace

QString ProfileFile::ReadEntry(const QString& section, const QString& key, const QString& defaultValue,
                               int capacity) const {
    if (capacity <= 0)
        return {};
    const qsizetype longest = capacity - 1;
    if (!m_profilePath.isEmpty()) {
        const files::FileRead file = files::readFile(m_profilePath);
        if (file.status == files::FileRead::Read) {
            const ProfileContent content = decodeProfile(file.bytes);
            const std::optional<QByteArrayView> value =
                ProfileText(content.text)
                    .value(encodeText(content.encoding, withoutSurroundingSpaces(section)),
                           encodeText(content.encoding, withoutSurroundingSpaces(key)));
            if (value)
                return decodeText(content.encoding, *value).left(longest);
        }
    }
    QStringView fallback = defaultValue;
    while (fallback.endsWith(u' '))
        fallback.chop(1);
    // The default crosses the code page like a value read from the file would.
    const QByteArray bytes = Windows1252::encode(fallback);
    return Windows1252::decode(QByteArrayView(bytes).first(std::min(longest, bytes.size())));
}

Result ProfileFile::WriteEntry(const QString& section, const QString& key, const QString& value) const {
    if (const std::optional<QString> problem = argumentProblem(section, key, value))
        return Result::failure(*problem);
    if (m_profilePath.isEmpty())
        return Result::failure(u"No profile file is given."_s);

    const QString target = files::writeTarget(m_profilePath);
    const QFileInfo folder(QFileInfo(target).absolutePath());
    if (!folder.isDir())
        return Result::failure(folder.exists() ? u"The folder it should be in is not a folder."_s
                                               : u"The folder it should be in does not exist."_s);

    files::WriterLock lock;
    if (const Result locked = lock.acquire(folder.filePath()); !locked.ok())
        return locked;
    for (int attempt = 0; attempt < writeAttempts; ++attempt) {
        const files::FileRead read = readQuietFile(target, m_lastWritten);
        // Without the whole old content the rest of the file would be lost, so nothing is written.
        if (read.status == files::FileRead::Failed)
            return Result::failure(read.error);
        const ProfileContent content = decodeProfile(read.bytes);
        if (encodeProfile(content.encoding, content.text) != read.bytes)
            return Result::failure(u"It is UTF-16 text that could not be written back exactly (an odd number of "
                                   u"bytes or a broken character); it was left as it is."_s);
        const QByteArray after = ProfileText(content.text)
                                     .withValue(encodeText(content.encoding, withoutSurroundingSpaces(section)),
                                                encodeText(content.encoding, withoutSurroundingSpaces(key)),
                                                encodeText(content.encoding, value));
        // The entry already holds exactly this value: leave the file and its time stamp alone.
        if (after == content.text)
            return Result::success();

        // The game may have saved the file since it was read: then the new
        // content would throw its change away.
        const auto stillAsRead = [&] {
            if (m_beforeReplace)
                m_beforeReplace();
            return files::readFile(target).sameAs(read);
        };
        const files::Replacement replaced =
            files::replaceFile(target, encodeProfile(content.encoding, after), stillAsRead);
        if (replaced.outcome == files::Replacement::Replaced) {
            m_lastWritten = replaced.stamp;
            return Result::success();
        }
        if (replaced.outcome == files::Replacement::Failed)
            return Result::failure(replaced.error);
    }
    return Result::failure(u"Another program kept changing it while it was being written; it was left as that "
                           u"program wrote it."_s);
}

} // namespace parlomatic

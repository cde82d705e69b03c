#include "profile/ProfileText.h"

#include <algorithm>
#include <cstring>

namespace parlomatic {

namespace {

constexpr QByteArrayView utf8ByteOrderMark("\xEF\xBB\xBF");
constexpr QByteArrayView defaultLineEnd("\r\n");

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

QByteArrayView trimmed(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Qt's case-insensitive comparison folds Latin-1 letters too; names here fold ASCII only.
bool sameName(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

struct Line {
    qsizetype begin = 0; // first byte
    qsizetype end = 0;   // end of the content, where the line end starts
    qsizetype next = 0;  // first byte after the line end; equal to end for an unterminated last line
};

// Walks the lines one after the other. The positions of the next CR and the
// next LF are kept, so that a file with one kind of line end is not searched to
// its end for the other kind on every line.
class LineScanner {
public:
    LineScanner(QByteArrayView bytes, qsizetype start) : m_bytes(bytes), m_pos(start) {}

    bool next(Line& line) {
        if (m_pos >= m_bytes.size())
            return false;
        const qsizetype end = std::min(nextOf('\r', m_nextCr), nextOf('\n', m_nextLf));
        qsizetype next = end;
        if (end < m_bytes.size())
            next += m_bytes[end] == '\r' && end + 1 < m_bytes.size() && m_bytes[end + 1] == '\n' ? 2 : 1;
        line = Line{m_pos, end, next};
        m_pos = next;
        return true;
    }

private:
    qsizetype nextOf(char c, qsizetype& cached) {
        if (cached < m_pos) {
            const void* hit = std::memchr(m_bytes.data() + m_pos, c, static_cast<std::size_t>(m_bytes.size() - m_pos));
            cached = hit ? static_cast<const char*>(hit) - m_bytes.data() : m_bytes.size();
        }
        return cached;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos;
    qsizetype m_nextCr = -1;
    qsizetype m_nextLf = -1;
};

// Where the line's content starts after blanks; line.end for a blank line.
qsizetype firstNonBlank(QByteArrayView bytes, const Line& line) {
    qsizetype p = line.begin;
    while (p < line.end && isBlank(bytes[p]))
        ++p;
    return p;
}

} // namespace

struct ProfileText::Location {
    enum Kind { NoSection, NoKey, Found };
    Kind kind = NoSection;
    qsizetype valueBegin = 0; // Found: first byte after the entry's '='
    Line line;                // Found: the entry's line; NoKey: the line after which the entry goes
};

ProfileText::ProfileText(QByteArrayView bytes)
    : m_bytes(bytes), m_start(bytes.startsWith(utf8ByteOrderMark) ? utf8ByteOrderMark.size() : 0) {}

ProfileText::Location ProfileText::locate(QByteArrayView section, QByteArrayView key) const {
    Location at;
    bool inSection = false;
    LineScanner lines(m_bytes, m_start);
    Line line;
    while (lines.next(line)) {
        const qsizetype p = firstNonBlank(m_bytes, line);
        if (p == line.end)
            continue;
        const QByteArrayView text = m_bytes.sliced(p, line.end - p);
        if (text.front() == '[') {
            // Only the first section of a name counts: the next header ends the search.
            if (inSection)
                break;
            const QByteArrayView name = text.sliced(1);
            const qsizetype close = name.indexOf(']');
            if (sameName(trimmed(close < 0 ? name : name.first(close)), section)) {
                inSection = true;
                at.kind = Location::NoKey;
                at.line = line;
            }
            continue;
        }
        if (!inSection || text.front() == ';')
            continue;
        const qsizetype equals = text.indexOf('=');
        if (equals < 0)
            continue;
        at.line = line;
        if (sameName(trimmed(text.first(equals)), key)) {
            at.kind = Location::Found;
            at.valueBegin = p + equals + 1;
            return at;
        }
    }
    return at;
}

std::optional<QByteArrayView> ProfileText::value(QByteArrayView section, QByteArrayView key) const {
    const Location at = locate(section, key);
    if (at.kind != Location::Found)
        return std::nullopt;
    QByteArrayView value = trimmed(m_bytes.sliced(at.valueBegin, at.line.end - at.valueBegin));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value;
}

bool ProfileText::hasSection() const {
    LineScanner lines(m_bytes, m_start);
    Line line;
    while (lines.next(line)) {
        const qsizetype p = firstNonBlank(m_bytes, line);
        if (p < line.end && m_bytes[p] == '[')
            return true;
    }
    return false;
}

QByteArrayView ProfileText::lineEnd() const {
    LineScanner lines(m_bytes, m_start);
    Line first;
    if (lines.next(first) && first.next > first.end)
        return m_bytes.sliced(first.end, first.next - first.end);
    return defaultLineEnd;
}

QByteArray ProfileText::withValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) const {
    const Location at = locate(section, key);
    const QByteArrayView eol = lineEnd();
    const bool unterminated = at.line.next == at.line.end;
    QByteArray out;
    out.reserve(m_bytes.size() + section.size() + key.size() + value.size() + 4 + 3 * eol.size());
    switch (at.kind) {
    case Location::Found:
        out.append(m_bytes.first(at.valueBegin)).append(value);
        if (unterminated)
            out.append(eol);
        out.append(m_bytes.sliced(at.line.end));
        break;
    case Location::NoKey:
        out.append(m_bytes.first(at.line.next));
        if (unterminated)
            out.append(eol);
        out.append(key).append('=').append(value).append(eol).append(m_bytes.sliced(at.line.next));
        break;
    case Location::NoSection:
        out.append(m_bytes);
        if (!m_bytes.isEmpty() && m_bytes.back() != '\n' && m_bytes.back() != '\r')
            out.append(eol);
        out.append('[').append(section).append(']').append(eol);
        out.append(key).append('=').append(value).append(eol);
        break;
    }
    return out;
}

} // namespace parlomatic

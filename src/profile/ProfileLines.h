// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace parlomatic::profilelines {

// The pieces of reading a profile file's lines that the index and the edits
// share, and the one rule by which names match.

constexpr QByteArrayView utf8ByteOrderMark("\xEF\xBB\xBF");

inline bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

// Without blanks, tabs and vertical tabs at its ends.
QByteArrayView trimmed(QByteArrayView text);

inline char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline QChar asciiLower(QChar c) {
    return c >= u'A' && c <= u'Z' ? QChar(c.unicode() - u'A' + u'a') : c;
}

// The one rule by which names match: without regard to ASCII case only (Qt's
// own comparison folds Latin-1 letters too), on the bytes and on decoded text.
bool sameName(QByteArrayView a, QByteArrayView b);
bool sameName(QStringView a, QStringView b);

// The name in the form that compares equal exactly for the names sameName matches.
QString foldedName(QString name);

// An entry's value as a read gives it: trimmed, with one pair of identical outer quotes removed.
QByteArrayView readValue(QByteArrayView raw);

// Where reading starts: after a UTF-8 byte-order mark, if there is one.
inline qsizetype contentStart(QByteArrayView bytes) {
    return bytes.startsWith(utf8ByteOrderMark) ? utf8ByteOrderMark.size() : 0;
}

struct Line {
    qsizetype begin = 0; // first byte
    qsizetype end = 0;   // end of the content, where the line end starts
    qsizetype next = 0;  // first byte after the line end; equal to end for an unterminated last line
};

// Walks the lines (ended by CR LF, LF or CR) one after the other. The positions
// of the next CR and the next LF are kept, so that a file with one kind of line
// end is not searched to its end for the other kind on every line.
class LineScanner {
public:
    LineScanner(QByteArrayView bytes, qsizetype start) : m_bytes(bytes), m_pos(start) {}

    bool next(Line& line);
    QByteArrayView bytes() const { return m_bytes; }

private:
    qsizetype nextOf(char c, qsizetype& cached);

    QByteArrayView m_bytes;
    qsizetype m_pos;
    qsizetype m_nextCr = -1;
    qsizetype m_nextLf = -1;
};

// What one line is to a reader.
struct LineMeaning {
    enum Kind { Nothing, Header, Entry };
    Kind kind = Nothing;
    QByteArrayView name;      // Header: the section name, trimmed; Entry: the key, trimmed
    qsizetype valueBegin = 0; // Entry: the first byte after the '='
};

// A line whose first non-blank byte is '[' is a header (named up to the first
// ']' or the line end); one starting with ';' is a comment (Nothing); any other
// line with a '=' is an entry, split at its first '='. Blank lines are Nothing.
LineMeaning meaningOf(QByteArrayView bytes, const Line& line);

} // namespace parlomatic::profilelines

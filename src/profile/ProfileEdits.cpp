// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileEdits.h"

#include "profile/ProfileIndex.h"
#include "profile/ProfileLines.h"

namespace parlomatic {

using namespace profilelines;

namespace {

constexpr QByteArrayView defaultLineEnd("\r\n");

// How the file's first line ends; CR LF when it has no line end.
QByteArrayView lineEndOf(QByteArrayView bytes) {
    LineScanner lines(bytes, contentStart(bytes));
    Line first;
    if (lines.next(first) && first.next > first.end)
        return bytes.sliced(first.end, first.next - first.end);
    return defaultLineEnd;
}

} // namespace

QByteArray withoutEntry(ProfileIndex& text, QByteArrayView section, QByteArrayView key) {
    const QByteArrayView bytes(text.bytes());
    const ProfileIndex::Place at = text.place(section, key);
    if (at.kind != ProfileIndex::Place::Found)
        return text.bytes();
    QByteArray out = bytes.first(at.line.begin).toByteArray();
    return out.append(bytes.sliced(at.line.next));
}

QByteArray withValue(ProfileIndex& text, QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    const QByteArrayView bytes(text.bytes());
    const ProfileIndex::Place at = text.place(section, key);
    const QByteArrayView eol = lineEndOf(bytes);
    const bool unterminated = at.line.next == at.line.end;
    QByteArray out;
    out.reserve(bytes.size() + section.size() + key.size() + value.size() + 4 + 3 * eol.size());
    switch (at.kind) {
    case ProfileIndex::Place::Found:
        out.append(bytes.first(at.valueBegin)).append(value);
        if (unterminated)
            out.append(eol);
        out.append(bytes.sliced(at.line.end));
        break;
    case ProfileIndex::Place::NoKey:
        out.append(bytes.first(at.line.next));
        if (unterminated)
            out.append(eol);
        out.append(key).append('=').append(value).append(eol).append(bytes.sliced(at.line.next));
        break;
    case ProfileIndex::Place::NoSection:
        out.append(bytes);
        if (!bytes.isEmpty() && bytes.back() != '\n' && bytes.back() != '\r')
            out.append(eol);
        out.append('[').append(section).append(']').append(eol);
        out.append(key).append('=').append(value).append(eol);
        break;
    }
    return out;
}

} // namespace parlomatic

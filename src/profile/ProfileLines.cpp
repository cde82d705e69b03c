// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileLines.h"

#include <algorithm>
#include <cstring>

namespace parlomatic::profilelines {

QByteArrayView trimmed(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

namespace {

template <typename Text> bool sameFolded(Text a, Text b) {
    return std::ranges::equal(a, b, [](auto x, auto y) { return asciiLower(x) == asciiLower(y); });
}

} // namespace

bool sameName(QByteArrayView a, QByteArrayView b) {
    return sameFolded(a, b);
}

bool sameName(QStringView a, QStringView b) {
    return sameFolded(a, b);
}

QString foldedName(QString name) {
    for (QChar& c : name)
        c = asciiLower(c);
    return name;
}

QByteArrayView readValue(QByteArrayView raw) {
    QByteArrayView value = trimmed(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value;
}

bool LineScanner::next(Line& line) {
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

qsizetype LineScanner::nextOf(char c, qsizetype& cached) {
    if (cached < m_pos) {
        const void* hit = std::memchr(m_bytes.data() + m_pos, c, static_cast<std::size_t>(m_bytes.size() - m_pos));
        cached = hit ? static_cast<const char*>(hit) - m_bytes.data() : m_bytes.size();
    }
    return cached;
}

LineMeaning meaningOf(QByteArrayView bytes, const Line& line) {
    qsizetype p = line.begin;
    while (p < line.end && isBlank(bytes[p]))
        ++p;
    if (p == line.end)
        return {};
    const QByteArrayView text = bytes.sliced(p, line.end - p);
    if (text.front() == '[') {
        const QByteArrayView name = text.sliced(1);
        const qsizetype close = name.indexOf(']');
        return {LineMeaning::Header, trimmed(close < 0 ? name : name.first(close)), 0};
    }
    if (text.front() == ';')
        return {};
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return {};
    return {LineMeaning::Entry, trimmed(text.first(equals)), p + equals + 1};
}

} // namespace parlomatic::profilelines

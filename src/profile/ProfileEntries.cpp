// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileEntries.h"

#include "profile/FileAccess.h"
#include "profile/ProfileEncoding.h"
#include "profile/ProfileLines.h"

#include <QSet>

namespace parlomatic {

using namespace profilelines;

namespace {

QString asciiFolded(QString name) {
    for (QChar& c : name) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return name;
}

// Names compare as the profile's readers compare them: without regard to ASCII case.
QString indexKey(const QString& section, const QString& key) {
    return asciiFolded(section) + QLatin1Char('\n') + asciiFolded(key);
}

} // namespace

ProfileEntries::ProfileEntries(const QByteArray& bytes) {
    const ProfileContent content = decodeProfile(bytes);
    const QByteArrayView text(content.text);
    QSet<QString> sectionsSeen;
    QString section;
    bool visible = false;
    LineScanner lines(text, contentStart(text));
    Line line;
    while (lines.next(line)) {
        const LineMeaning meaning = meaningOf(text, line);
        if (meaning.kind == LineMeaning::Header) {
            section = decodeText(content.encoding, meaning.name);
            // Readers stop at the first section of a name; later ones are invisible.
            const QString folded = asciiFolded(section);
            visible = !sectionsSeen.contains(folded);
            sectionsSeen.insert(folded);
            continue;
        }
        if (!visible || meaning.kind != LineMeaning::Entry || meaning.name.isEmpty())
            continue;
        ProfileEntry entry{
            section, decodeText(content.encoding, meaning.name),
            decodeText(content.encoding, trimmed(text.sliced(meaning.valueBegin, line.end - meaning.valueBegin)))};
        const QString key = indexKey(entry.section, entry.key);
        if (m_index.contains(key))
            continue;
        m_index.insert(key, m_entries.size());
        m_entries.append(std::move(entry));
    }
}

ProfileEntries ProfileEntries::ofFile(const QString& path) {
    const files::FileRead read = files::readFile(path);
    return read.status == files::FileRead::Read ? ProfileEntries(read.bytes) : ProfileEntries();
}

std::optional<QString> ProfileEntries::value(const QString& section, const QString& key) const {
    const auto found = m_index.constFind(indexKey(section, key));
    if (found == m_index.cend())
        return std::nullopt;
    return m_entries.at(*found).value;
}

QList<ProfileEntry> ProfileEntries::changesTo(const ProfileEntries& after) const {
    QList<ProfileEntry> changes;
    for (const ProfileEntry& entry : after.entries()) {
        if (value(entry.section, entry.key) != entry.value)
            changes.append(entry);
    }
    return changes;
}

} // namespace parlomatic

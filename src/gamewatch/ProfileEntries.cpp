#include "gamewatch/ProfileEntries.h"

#include "profile/Windows1252.h"

#include <QFile>
#include <QSet>

namespace parlomatic {

namespace {

QString indexKey(const QString& section, const QString& key) {
    return section.toLower() + QLatin1Char('\n') + key.toLower();
}

QList<QByteArray> lines(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    return bytes.split('\n');
}

} // namespace

ProfileEntries::ProfileEntries(const QByteArray& bytes) {
    QSet<QString> sectionsSeen;
    QString section;
    bool visible = false;
    for (const QByteArray& rawLine : lines(bytes)) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            section = Windows1252::decode(line.mid(1, close < 0 ? -1 : close - 1).trimmed());
            // Readers stop at the first section of a name; later ones are invisible.
            visible = !sectionsSeen.contains(section.toLower());
            sectionsSeen.insert(section.toLower());
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!visible || line.startsWith(';') || equals <= 0)
            continue;
        ProfileEntry entry{section, Windows1252::decode(line.left(equals).trimmed()),
                           Windows1252::decode(line.mid(equals + 1).trimmed())};
        const QString key = indexKey(entry.section, entry.key);
        if (entry.key.isEmpty() || m_index.contains(key))
            continue;
        m_index.insert(key, m_entries.size());
        m_entries.append(std::move(entry));
    }
}

ProfileEntries ProfileEntries::ofFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ProfileEntries(file.readAll());
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/ReapplyJournal.h"

#include "profile/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace parlomatic {

namespace {

using Journal = QMap<QString, QList<ProfileEntry>>;

QString identity(const QString& profilePath) {
    const QFileInfo info(profilePath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool sameEntry(const ProfileEntry& a, const ProfileEntry& b) {
    return a.section.compare(b.section, Qt::CaseInsensitive) == 0 && a.key.compare(b.key, Qt::CaseInsensitive) == 0;
}

Journal load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Journal journal;
    const QJsonArray profiles = QJsonDocument::fromJson(file.readAll()).object().value(u"profiles").toArray();
    for (const QJsonValue& profile : profiles) {
        QList<ProfileEntry>& entries = journal[profile[u"path"].toString()];
        for (const QJsonValue& entry : profile[u"entries"].toArray())
            entries.append({entry[u"section"].toString(), entry[u"key"].toString(), entry[u"value"].toString()});
    }
    journal.remove(QString());
    return journal;
}

Result save(const QString& path, const Journal& journal) {
    QJsonArray profiles;
    for (auto it = journal.cbegin(); it != journal.cend(); ++it) {
        if (it->isEmpty())
            continue;
        QJsonArray entries;
        for (const ProfileEntry& entry : *it)
            entries.append(QJsonObject{{QStringLiteral("section"), entry.section},
                                       {QStringLiteral("key"), entry.key},
                                       {QStringLiteral("value"), entry.value}});
        profiles.append(QJsonObject{{QStringLiteral("path"), it.key()}, {QStringLiteral("entries"), entries}});
    }
    if (profiles.isEmpty() && !QFile::exists(path))
        return Result::success();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(file.errorString());
    file.write(QJsonDocument(QJsonObject{{QStringLiteral("profiles"), profiles}}).toJson());
    if (!file.commit())
        return Result::failure(file.errorString());
    return Result::success();
}

// Holds the journal's lock file while alive; a lock not got in time is ignored
// rather than losing the player's changes.
class JournalLock {
public:
    explicit JournalLock(const QString& path) : m_lock(path + QStringLiteral(".lock")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        m_lock.tryLock(2000);
    }

private:
    QLockFile m_lock;
};

} // namespace

ReapplyJournal::ReapplyJournal(QString path) : m_path(std::move(path)) {}

QString ReapplyJournal::defaultPath() {
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(settings).filePath(QStringLiteral("Parlomatic/game-exit-journal.json"));
}

QList<ProfileEntry> ReapplyJournal::entriesFor(const QString& profilePath) const {
    return load(m_path).value(identity(profilePath));
}

Result ReapplyJournal::record(const QString& profilePath, const QList<ProfileEntry>& changes) {
    if (changes.isEmpty())
        return Result::success();
    const JournalLock lock(m_path);
    Journal journal = load(m_path);
    QList<ProfileEntry>& entries = journal[identity(profilePath)];
    for (const ProfileEntry& change : changes) {
        entries.removeIf([&](const ProfileEntry& entry) { return sameEntry(entry, change); });
        entries.append(change);
    }
    return save(m_path, journal);
}

ReapplyOutcome ReapplyJournal::reapply(const QString& profilePath) {
    if (entriesFor(profilePath).isEmpty())
        return {};
    const JournalLock lock(m_path);
    Journal journal = load(m_path);
    const QString profile = identity(profilePath);
    const QList<ProfileEntry> remembered = journal.take(profile);
    ReapplyOutcome outcome;
    if (remembered.isEmpty())
        return outcome;
    if (QFileInfo(profilePath).isFile()) {
        const ProfileEntries current = ProfileEntries::ofFile(profilePath);
        const ProfileFile file(profilePath);
        for (const ProfileEntry& entry : remembered) {
            if (current.value(entry.section, entry.key) == entry.value)
                continue;
            const Result written = file.WriteEntry(entry.section, entry.key, entry.value);
            ++outcome.applied;
            if (!written.ok()) {
                ++outcome.failed;
                outcome.error = written.error();
                journal[profile].append(entry);
            }
        }
    }
    if (const Result saved = save(m_path, journal); !saved.ok() && outcome.error.isEmpty())
        outcome.error = saved.error();
    return outcome;
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ChangeHistory.h"

#include "profile/Backup.h"
#include "profile/FileAccess.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>

#include <utility>

using namespace Qt::StringLiterals;

namespace parlomatic {

namespace {

constexpr int lockWaitMs = 10000;
const QString formatName = u"parlomatic-history 1"_s;

QString folderNotMade() {
    return QCoreApplication::translate("ChangeHistory", "The history folder cannot be made.");
}

// The profile as the history knows it: its canonical path (on Windows without regard to case).
QString identity(const QString& profilePath) {
    const QFileInfo info(profilePath);
    QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QDir::cleanPath(info.absoluteFilePath());
#ifdef Q_OS_WIN
    canonical = canonical.toLower();
#endif
    return canonical;
}

struct ParsedHistory {
    HistoryRead read;
    bool damaged = false;    // some lines were left out
    bool unreadable = false; // the file is there but could not be read
};

ParsedHistory parse(const QByteArray& bytes) {
    ParsedHistory parsed;
    int damagedLines = 0;
    int lineNumber = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (lineNumber == 1 && object.value(u"format").toString() == formatName)
            continue;
        if (std::optional<HistoryRecord> record = HistoryRecord::fromJson(object))
            parsed.read.records.append(std::move(*record));
        else
            ++damagedLines;
    }
    if (damagedLines > 0) {
        parsed.damaged = true;
        parsed.read.problem =
            damagedLines == 1
                ? QCoreApplication::translate("ChangeHistory", "1 line of the history is damaged and was left out.")
                : QCoreApplication::translate("ChangeHistory", "%n lines of the history are damaged and were left out.",
                                              nullptr, damagedLines);
    }
    return parsed;
}

ParsedHistory load(const QString& path) {
    const files::FileRead file = files::readFile(path);
    if (file.status == files::FileRead::Missing)
        return {};
    if (file.status == files::FileRead::Failed) {
        ParsedHistory parsed;
        parsed.read.problem = //: %1 is why the file could not be read
            QCoreApplication::translate("ChangeHistory", "The history cannot be read: %1").arg(file.error);
        parsed.unreadable = true;
        return parsed;
    }
    return parse(file.bytes);
}

QByteArray serialise(const QString& profile, const QList<HistoryRecord>& records) {
    QByteArray out =
        QJsonDocument(QJsonObject{{u"format"_s, formatName}, {u"profile"_s, profile}}).toJson(QJsonDocument::Compact);
    out.append('\n');
    for (const HistoryRecord& record : records)
        out.append(QJsonDocument(record.toJson()).toJson(QJsonDocument::Compact)).append('\n');
    return out;
}

} // namespace

ChangeHistory::ChangeHistory(QString folder) : m_folder(std::move(folder)) {}

QString ChangeHistory::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(u"Parlomatic/history"_s);
}

QString ChangeHistory::fileFor(const QString& profilePath, const QString& suffix) const {
    const QByteArray hash = QCryptographicHash::hash(identity(profilePath).toUtf8(), QCryptographicHash::Sha256);
    return QDir(m_folder).filePath(QString::fromLatin1(hash.toHex().left(20)) + suffix);
}

HistoryRead ChangeHistory::read(const QString& profilePath) const {
    return load(fileFor(profilePath, u".jsonl"_s)).read;
}

Result ChangeHistory::update(const QString& profilePath,
                             const std::function<bool(QList<HistoryRecord>& records)>& change) {
    if (!QDir().mkpath(m_folder))
        return Result::failure(folderNotMade());
    const QString path = fileFor(profilePath, u".jsonl"_s);
    QLockFile lock(path + u".lock"_s);
    if (!lock.tryLock(lockWaitMs))
        return Result::failure(
            QCoreApplication::translate("ChangeHistory", "Another Parlomatic kept the history locked."));
    ParsedHistory parsed = load(path);
    // A history that cannot be read is not replaced: its records would be lost.
    if (parsed.unreadable)
        return Result::failure(parsed.read.problem);
    QList<HistoryRecord>& records = parsed.read.records;
    const qint64 lastId = records.isEmpty() ? 0 : records.constLast().id;
    if (!change(records))
        return Result::success();
    qint64 nextId = lastId;
    for (HistoryRecord& record : records) {
        if (record.id == 0) {
            record.id = ++nextId;
            if (!record.time.isValid())
                record.time = QDateTime::currentDateTimeUtc();
        }
    }
    if (records.size() > recordLimit)
        records.erase(records.begin(), records.begin() + (records.size() - recordLimit));
    // What could not be read is kept beside the history once, for the player or us to look at.
    if (parsed.damaged) {
        const QString kept = path + u".damaged"_s;
        if (!QFileInfo::exists(kept))
            copyFileAtomically(path, kept);
    }
    return writeFileAtomically(path, serialise(identity(profilePath), records));
}

std::optional<QByteArray> ChangeHistory::original(const QString& profilePath) const {
    const files::FileRead file = files::readFile(fileFor(profilePath, u".original"_s));
    if (file.status != files::FileRead::Read)
        return std::nullopt;
    return file.bytes;
}

Result ChangeHistory::keepOriginal(const QString& profilePath, const QByteArray& bytes) {
    const QString path = fileFor(profilePath, u".original"_s);
    if (QFileInfo::exists(path))
        return Result::success();
    if (!QDir().mkpath(m_folder))
        return Result::failure(folderNotMade());
    return writeFileAtomically(path, bytes);
}

} // namespace parlomatic

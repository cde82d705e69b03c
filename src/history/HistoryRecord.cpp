// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryRecord.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace parlomatic {

namespace {

// As the file stores them; the window shows them translated.
constexpr std::array<std::pair<ChangeSource, const char*>, 4> sourceNames{{
    {ChangeSource::Window, QT_TRANSLATE_NOOP("HistoryText", "window")},
    {ChangeSource::CommandLine, QT_TRANSLATE_NOOP("HistoryText", "command line")},
    {ChangeSource::NameChanger, QT_TRANSLATE_NOOP("HistoryText", "name changer")},
    {ChangeSource::Reapply, QT_TRANSLATE_NOOP("HistoryText", "re-apply")},
}};

QJsonValue optionalText(const std::optional<QString>& text) {
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

std::optional<QString> optionalText(const QJsonValue& value) {
    return value.isString() ? std::optional<QString>(value.toString()) : std::nullopt;
}

} // namespace

const char* sourceWord(ChangeSource source) {
    for (const auto& [known, name] : sourceNames) {
        if (known == source)
            return name;
    }
    return "";
}

QJsonObject HistoryRecord::toJson() const {
    QJsonArray changed;
    for (const EntryChange& entry : entries) {
        changed.append(QJsonObject{{u"section"_s, entry.section},
                                   {u"key"_s, entry.key},
                                   {u"before"_s, optionalText(entry.before)},
                                   {u"after"_s, optionalText(entry.after)}});
    }
    QJsonArray undid;
    for (qint64 undoneId : undoes)
        undid.append(undoneId);
    QJsonObject object{{u"id"_s, id},
                       {u"time"_s, time.toUTC().toString(Qt::ISODateWithMs)},
                       {u"source"_s, QLatin1StringView(sourceWord(source))},
                       {u"description"_s, description},
                       {u"gameRunning"_s, gameRunning},
                       {u"pending"_s, pending},
                       {u"undone"_s, undone},
                       {u"undoes"_s, undid},
                       {u"entries"_s, changed}};
    if (wholeFile)
        object.insert(u"previousContent"_s, QString::fromLatin1(previousContent.toBase64()));
    return object;
}

std::optional<HistoryRecord> HistoryRecord::fromJson(const QJsonObject& object) {
    if (!object.value(u"id").isDouble() || !object.value(u"entries").isArray())
        return std::nullopt;
    HistoryRecord record;
    record.id = object.value(u"id").toInteger();
    record.time = QDateTime::fromString(object.value(u"time").toString(), Qt::ISODateWithMs);
    const QString source = object.value(u"source").toString();
    for (const auto& [known, name] : sourceNames) {
        if (source == QLatin1StringView(name))
            record.source = known;
    }
    record.description = object.value(u"description").toString();
    record.gameRunning = object.value(u"gameRunning").toBool();
    record.pending = object.value(u"pending").toBool();
    record.undone = object.value(u"undone").toBool();
    for (const QJsonValue& undoneId : object.value(u"undoes").toArray())
        record.undoes.append(undoneId.toInteger());
    if (const QJsonValue content = object.value(u"previousContent"); content.isString()) {
        record.wholeFile = true;
        record.previousContent = QByteArray::fromBase64(content.toString().toLatin1());
    }
    for (const QJsonValue& entry : object.value(u"entries").toArray()) {
        if (!entry.isObject() || !entry[u"section"].isString() || !entry[u"key"].isString())
            return std::nullopt;
        record.entries.append({entry[u"section"].toString(), entry[u"key"].toString(), optionalText(entry[u"before"]),
                               optionalText(entry[u"after"])});
    }
    return record;
}

} // namespace parlomatic

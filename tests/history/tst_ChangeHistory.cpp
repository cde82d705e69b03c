// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ChangeRecorder.h"
#include "history/Undo.h"
#include "support/TempProfile.h"

#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

class TestChangeHistory : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_data.isValid()); }
    void writesReportWhatTheyChanged();
    void damagedHistoryLosesOnlyItsBadLines();
    void keepsTheLatestRecords();

private:
    ChangeHistory history() const { return ChangeHistory(m_data.filePath(u"history"_s)); }
    QTemporaryDir m_data;
};

// Entry writes, removals and whole-file writes each report their entries with
// the values before and after as the file stores them.
void TestChangeHistory::writesReportWhatTheyChanged() {
    TempProfile profile("[A]\r\nK=\"quoted\" \r\nL=1\r\n[B]\r\nM=2\r\n");
    const QByteArray start = profile.read();
    const ProfileFile file(profile.path());
    QVERIFY(file.WriteEntry(u"a"_s, u"k"_s, u"x"_s).ok());
    QVERIFY(file.WriteEntry(u"A"_s, u"N"_s, u"y"_s).ok());
    QVERIFY(file.WriteEntry(u"A"_s, u"N"_s, u"z"_s).ok());
    QVERIFY(file.RemoveEntry(u"B"_s, u"M"_s).ok());
    QVERIFY(file.WriteEntry(u"A"_s, u"L"_s, u"1"_s).ok()); // no change
    ProfileChange change = file.takeChanges();
    const QList<EntryChange> expected{{u"a"_s, u"k"_s, u"\"quoted\""_s, u"x"_s},
                                      {u"A"_s, u"N"_s, std::nullopt, u"z"_s},
                                      {u"B"_s, u"M"_s, u"2"_s, std::nullopt}};
    QCOMPARE(change.entries, expected);
    QCOMPARE(change.previousContent, start);
    QVERIFY(!change.wholeFile);
    QVERIFY(file.takeChanges().isEmpty());

    QVERIFY(file.ReplaceContent(start).ok());
    change = file.takeChanges();
    QVERIFY(change.wholeFile);
    QCOMPARE(change.entries.size(), 3);
    QVERIFY(file.ReplaceContent(start).ok());
    QVERIFY(file.takeChanges().isEmpty());
}

// One damaged line costs that line only; other profiles' histories are files of their own.
void TestChangeHistory::damagedHistoryLosesOnlyItsBadLines() {
    TempProfile first("[A]\r\nK=1\r\n");
    TempProfile second("[A]\r\nK=1\r\n");
    ChangeRecorder recorder(history(), ChangeSource::CommandLine);
    for (const TempProfile* profile : {&first, &first, &second}) {
        const ProfileFile file(profile->path());
        QVERIFY(
            file.WriteEntry(u"A"_s, u"K"_s, QString::number(history().read(profile->path()).records.size() + 2)).ok());
        QVERIFY(recorder.record(profile->path(), file.takeChanges(), u"K changed"_s).ok());
    }
    const QStringList files = QDir(history().folder()).entryList({u"*.jsonl"_s});
    QCOMPARE(files.size(), 2);
    for (const QString& name : files) {
        QFile file(QDir(history().folder()).filePath(name));
        QVERIFY(file.open(QIODevice::Append));
        file.write("{\"id\": broken\n");
    }
    const HistoryRead read = history().read(first.path());
    QCOMPARE(read.records.size(), 2);
    QCOMPARE(read.problem, u"1 line of the history is damaged and was left out."_s);
    const ProfileFile file(first.path());
    QVERIFY(file.WriteEntry(u"A"_s, u"K"_s, u"9"_s).ok());
    QVERIFY(recorder.record(first.path(), file.takeChanges(), u"K changed"_s).ok());
    QCOMPARE(history().read(first.path()).records.size(), 3);
    QCOMPARE(history().read(first.path()).problem, QString());
    QCOMPARE(history().read(second.path()).records.size(), 1);
    QCOMPARE(QDir(history().folder()).entryList({u"*.damaged"_s}).size(), 1);

    // A history that cannot be read at all is never replaced.
    for (const QString& name : files) {
        const QString path = QDir(history().folder()).filePath(name);
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
    }
    QVERIFY(!history().update(first.path(), [](QList<HistoryRecord>&) { return true; }).ok());
    QVERIFY(!history().read(first.path()).problem.isEmpty());
}

void TestChangeHistory::keepsTheLatestRecords() {
    TempProfile profile("[A]\r\n");
    QVERIFY(history()
                .update(profile.path(),
                        [](QList<HistoryRecord>& records) {
                            for (int i = 0; i < ChangeHistory::recordLimit + 5; ++i) {
                                HistoryRecord record;
                                record.description = QString::number(i);
                                records.append(record);
                            }
                            return true;
                        })
                .ok());
    const QList<HistoryRecord> records = history().read(profile.path()).records;
    QCOMPARE(records.size(), ChangeHistory::recordLimit);
    QCOMPARE(records.constFirst().description, u"5"_s);
    QCOMPARE(records.constLast().id, ChangeHistory::recordLimit + 5);
}

QTEST_GUILESS_MAIN(TestChangeHistory)
#include "tst_ChangeHistory.moc"

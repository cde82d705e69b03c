// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace parlomatic;

namespace {

const QStringList sections{u"Engine.Input"_s, u"DefaultPlayer"_s};

// One entry line as a plain reading of the file sees it.
struct PlainEntry {
    QByteArray key;
    QByteArray rawValue;      // everything after '=' up to the line end
    qsizetype valueBegin = 0; // offset of rawValue
    qsizetype lineNext = 0;   // offset of the next line
};

// The entries of the section whose header is exactly "[section]" (the real
// files need no more), in file order. These files end their lines with LF or
// CR LF and quote no value.
QList<PlainEntry> plainEntries(const QByteArray& bytes, const QString& section) {
    QList<PlainEntry> entries;
    const QByteArray header = '[' + section.toLatin1().toLower() + ']';
    bool inSection = false;
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        qsizetype next = bytes.indexOf('\n', begin);
        next = next < 0 ? bytes.size() : next + 1;
        QByteArray line = bytes.mid(begin, next - begin);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('[')) {
            if (inSection)
                break;
            inSection = line.toLower() == header;
        } else if (inSection && line.contains('=')) {
            const qsizetype equals = line.indexOf('=');
            entries.append({line.left(equals).trimmed(), line.mid(equals + 1), begin + equals + 1, next});
        }
        begin = next;
    }
    return entries;
}

QStringList realProfiles() {
    return QDir(QStringLiteral(PARLOMATIC_REALWORLD_DIR)).entryList({u"*.ini"_s}, QDir::Files, QDir::Name);
}

QByteArray realProfile(const QString& name) {
    return test::fileBytes(QDir(QStringLiteral(PARLOMATIC_REALWORLD_DIR)).filePath(name)).value_or("<missing>");
}

} // namespace

class ProfileRealWorldTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsEveryEntry_data();
    void readsEveryEntry();
    void replacesOnlyTheValue_data();
    void replacesOnlyTheValue();
    void insertsMissingEntry_data();
    void insertsMissingEntry();

private:
    void addProfileRows();
};

void ProfileRealWorldTest::initTestCase() {
    if (realProfiles().isEmpty())
        QSKIP("The folder of real profiles is absent");
}

void ProfileRealWorldTest::addProfileRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("section");
    for (const QString& name : realProfiles()) {
        for (const QString& section : sections)
            QTest::addRow("%s [%s]", qPrintable(name), qPrintable(section)) << name << section;
    }
}

void ProfileRealWorldTest::readsEveryEntry_data() {
    addProfileRows();
}

// Every entry reads as its first occurrence, trimmed, in any case of its name.
void ProfileRealWorldTest::readsEveryEntry() {
    QFETCH(QString, name);
    QFETCH(QString, section);
    const QString path = QDir(QStringLiteral(PARLOMATIC_REALWORLD_DIR)).filePath(name);
    const QList<PlainEntry> entries = plainEntries(realProfile(name), section);
    if (section == u"Engine.Input")
        QVERIFY(entries.size() > 100);

    QHash<QByteArray, QByteArray> firstValue;
    for (const PlainEntry& entry : entries) {
        if (!firstValue.contains(entry.key.toLower()))
            firstValue.insert(entry.key.toLower(), entry.rawValue.trimmed());
    }
    const ProfileFile profile(path);
    for (const PlainEntry& entry : entries) {
        const QString expected = QString::fromLatin1(firstValue.value(entry.key.toLower()));
        const QString key = QString::fromLatin1(entry.key);
        QCOMPARE(profile.ReadEntry(section, key, u"<missing>"_s, 65536), expected);
        QCOMPARE(profile.ReadEntry(section.toUpper(), key.toLower(), u"<missing>"_s, 65536), expected);
    }
    QCOMPARE(profile.ReadEntry(section, u"NoSuchKeyHere"_s, u"noVoice   "_s, 30), u"noVoice"_s);
}

void ProfileRealWorldTest::replacesOnlyTheValue_data() {
    addProfileRows();
}

// Writing a value changes only what follows '=' on the entry's first line;
// writing the old text back gives the original file byte for byte.
void ProfileRealWorldTest::replacesOnlyTheValue() {
    QFETCH(QString, name);
    QFETCH(QString, section);
    const QByteArray original = realProfile(name);
    QTemporaryDir dir;
    const QString path = test::profileIn(dir, original);
    QVERIFY(!path.isEmpty());
    const ProfileFile profile(path);

    QSet<QByteArray> seen;
    for (const PlainEntry& entry : plainEntries(original, section)) {
        if (seen.contains(entry.key.toLower()))
            continue;
        seen.insert(entry.key.toLower());
        const QString key = QString::fromLatin1(entry.key);
        const QByteArray lineEnd = original.mid(entry.valueBegin + entry.rawValue.size(),
                                                entry.lineNext - entry.valueBegin - entry.rawValue.size());

        QVERIFY(profile.WriteEntry(section, key, u"speech 3 12 -1"_s).ok());
        const QByteArray expected = original.left(entry.valueBegin) + "speech 3 12 -1" +
                                    (lineEnd.isEmpty() ? "\r\n" : QByteArray()) +
                                    original.mid(entry.valueBegin + entry.rawValue.size());
        QCOMPARE(test::fileBytes(path).value_or("<missing>"), expected);
        QCOMPARE(profile.ReadEntry(section, key, QString(), 30), u"speech 3 12 -1"_s);

        QVERIFY(profile.WriteEntry(section, key, QString::fromLatin1(entry.rawValue)).ok());
        if (lineEnd.isEmpty()) // only an unterminated last line differs: it has gained its line end
            QCOMPARE(test::fileBytes(path).value_or("<missing>"), original + "\r\n");
        else
            QCOMPARE(test::fileBytes(path).value_or("<missing>"), original);
        QVERIFY(test::putFile(path, original));
    }
    QVERIFY(!seen.isEmpty());
}

void ProfileRealWorldTest::insertsMissingEntry_data() {
    addProfileRows();
}

// A missing entry becomes one new line after the section's last entry, ending
// like the file's lines; nothing else moves.
void ProfileRealWorldTest::insertsMissingEntry() {
    QFETCH(QString, name);
    QFETCH(QString, section);
    const QByteArray original = realProfile(name);
    QTemporaryDir dir;
    const QString path = test::profileIn(dir, original);
    QVERIFY(!path.isEmpty());
    const QList<PlainEntry> entries = plainEntries(original, section);
    QVERIFY(!entries.isEmpty());
    const qsizetype insertAt = entries.last().lineNext;
    const QByteArray lineEnd = original.contains("\r\n") ? "\r\n" : "\n";

    const ProfileFile profile(path);
    QVERIFY(profile.WriteEntry(section, u"ParlomaticProbe"_s, u"speech 4 26 -1"_s).ok());
    QCOMPARE(test::fileBytes(path).value_or("<missing>"),
             original.left(insertAt) + "ParlomaticProbe=speech 4 26 -1" + lineEnd + original.mid(insertAt));
    QCOMPARE(profile.ReadEntry(section, u"parlomaticprobe"_s, QString(), 30), u"speech 4 26 -1"_s);
}

QTEST_GUILESS_MAIN(ProfileRealWorldTest)
#include "tst_ProfileRealWorld.moc"

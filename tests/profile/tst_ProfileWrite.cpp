// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"

#include "support/TestFiles.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace parlomatic;

namespace {

// A null array stands for a file that does not exist.
const QByteArray absent;

// One WriteEntry call: section, key, value.
using Call = QStringList;

bool setImmutable(const QString& path, bool on) {
    return QProcess::execute(u"chattr"_s, {on ? u"+i"_s : u"-i"_s, path}) == 0;
}

} // namespace

class ProfileWriteTest : public QObject {
    Q_OBJECT

private slots:
    void writeEntry_data();
    void writeEntry();
    void readsBackAfterWrite_data();
    void readsBackAfterWrite();
    void refused_data();
    void refused();
    void unwritable_data();
    void unwritable();
    void emptyPathFails();
    void codePageBytes();
    void unchangedValueLeavesFileAlone();
};

void ProfileWriteTest::writeEntry_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QList<Call>>("calls");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("W01 new file") << absent << QList<Call>{{u"App"_s, u"key"_s, u"string"_s}}
                                  << QByteArray("[App]\r\nkey=string\r\n");
    QTest::newRow("W02 empty file") << QByteArray("") << QList<Call>{{u"SectionName"_s, u"TestKey"_s, u"TestValue"_s}}
                                    << QByteArray("[SectionName]\r\nTestKey=TestValue\r\n");
    QTest::newRow("W03 sequence") << QByteArray("")
                                  << QList<Call>{{u"App1"_s, u"key1"_s, u"string1"_s},
                                                 {u"App1"_s, u"key2"_s, u"string2"_s},
                                                 {u"App1"_s, u"key3"_s, u"string3"_s},
                                                 {u"App2"_s, u"key4"_s, u"string4"_s},
                                                 {u"App3"_s, u"key5"_s, u"string5"_s}}
                                  << QByteArray("[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n"
                                                "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n");
    QTest::newRow("W09 empty value") << absent << QList<Call>{{u"App"_s, u"key"_s, QString()}}
                                     << QByteArray("[App]\r\nkey=\r\n");
    QTest::newRow("W14 NUL bytes before the first section")
        << QByteArray("Data \0 before \0 first \0 section", 31) << QList<Call>{{u"section1"_s, u"key1"_s, u"string1"_s}}
        << QByteArray("Data \0 before \0 first \0 section\r\n[section1]\r\nkey1=string1\r\n", 59);
    QTest::newRow("W15 byte-order mark only")
        << QByteArray("\xEF\xBB\xBF") << QList<Call>{{u"S"_s, u"TestKey"_s, u"TestValue"_s}}
        << QByteArray("\xEF\xBB\xBF\r\n[S]\r\nTestKey=TestValue\r\n");
    const QByteArray unterminated = "[SectionName]\r\nTestKey=TestValue";
    QTest::newRow("W16 key spelling kept")
        << unterminated << QList<Call>{{u"SectionName"_s, u"TESTKEY"_s, u"TestValue2"_s}}
        << QByteArray("[SectionName]\r\nTestKey=TestValue2\r\n");
    QTest::newRow("W17 section spelling kept")
        << unterminated << QList<Call>{{u"SECTIONNAME"_s, u"TestKey"_s, u"TestValue2"_s}}
        << QByteArray("[SectionName]\r\nTestKey=TestValue2\r\n");
    QTest::newRow("W18 value case kept") << unterminated
                                         << QList<Call>{{u"SectionName"_s, u"TestKey"_s, u"TESTVALUE"_s}}
                                         << QByteArray("[SectionName]\r\nTestKey=TESTVALUE\r\n");
    QTest::newRow("W19 never sorted") << QByteArray("[S]\r\nb=value\r\na=value\r\n")
                                      << QList<Call>{{u"S"_s, u"z"_s, QString()},
                                                     {u"S"_s, u"b"_s, QString()},
                                                     {u"S"_s, u"y"_s, QString()},
                                                     {u"S"_s, u"a"_s, QString()}}
                                      << QByteArray("[S]\r\nb=\r\na=\r\nz=\r\ny=\r\n");
    QTest::newRow("W20 appended in order") << QByteArray("")
                                           << QList<Call>{{u"S"_s, u"z"_s, QString()},
                                                          {u"S"_s, u"a"_s, QString()},
                                                          {u"S"_s, u"y"_s, QString()},
                                                          {u"S"_s, u"b"_s, QString()}}
                                           << QByteArray("[S]\r\nz=\r\na=\r\ny=\r\nb=\r\n");
    QTest::newRow("W22 comments stay in place")
        << QByteArray(";comment0\r\n[S]\r\n;comment1\r\nb=value\r\n;comment2\r\na=value\r\n")
        << QList<Call>{{u"S"_s, u"z"_s, QString()},
                       {u"S"_s, u"y"_s, QString()},
                       {u"S"_s, u"a"_s, QString()},
                       {u"S"_s, u"b"_s, QString()}}
        << QByteArray(";comment0\r\n[S]\r\n;comment1\r\nb=\r\n;comment2\r\na=\r\nz=\r\ny=\r\n");
    QTest::newRow("W25 argument spaces dropped") << absent << QList<Call>{{u"   sec   "_s, u"  key  "_s, u" value "_s}}
                                                 << QByteArray("[sec]\r\nkey= value \r\n");
    QTest::newRow("W28 value tabs written")
        << absent << QList<Call>{{u"S"_s, u"K"_s, u"\tvalue\t"_s}} << QByteArray("[S]\r\nK=\tvalue\t\r\n");
    QTest::newRow("W34 empty section name") << QByteArray("") << QList<Call>{{QString(), u"TestKey"_s, u"TestValue"_s}}
                                            << QByteArray("[]\r\nTestKey=TestValue\r\n");
    QTest::newRow("W37 inserted after the last entry")
        << QByteArray("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n") << QList<Call>{{u"a"_s, u"z"_s, u"3"_s}}
        << QByteArray("[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
    QTest::newRow("W38 other bytes identical")
        << QByteArray("; hdr\r\n\r\n[a]\r\n  x = 1 \r\n\r\n; note\r\n[b]\r\ny=2\r\n")
        << QList<Call>{{u"b"_s, u"y"_s, u"9"_s}}
        << QByteArray("; hdr\r\n\r\n[a]\r\n  x = 1 \r\n\r\n; note\r\n[b]\r\ny=9\r\n");
    QTest::newRow("W39 LF file keeps LF")
        << QByteArray("[a]\nx=1\n") << QList<Call>{{u"a"_s, u"z"_s, u"3"_s}} << QByteArray("[a]\nx=1\nz=3\n");
    QTest::newRow("W40 unterminated line gets a line end")
        << QByteArray("[a]\r\nx=1") << QList<Call>{{u"a"_s, u"z"_s, u"3"_s}} << QByteArray("[a]\r\nx=1\r\nz=3\r\n");
    QTest::newRow("W41 section appended") << QByteArray("[a]\r\nx=1\r\n") << QList<Call>{{u"b"_s, u"y"_s, u"2"_s}}
                                          << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    QTest::newRow("W42 first section only")
        << QByteArray("[a]\r\nx=1\r\n[a]\r\ny=2\r\n") << QList<Call>{{u"a"_s, u"y"_s, u"9"_s}}
        << QByteArray("[a]\r\nx=1\r\ny=9\r\n[a]\r\ny=2\r\n");
    QTest::newRow("W43 only the text after = replaced")
        << QByteArray("[a]\r\n  Key = old  \r\n") << QList<Call>{{u"a"_s, u"key"_s, u"new"_s}}
        << QByteArray("[a]\r\n  Key =new\r\n");

    // Line ends and places the vectors leave open.
    QTest::newRow("CR file keeps CR") << QByteArray("[a]\rx=1\r") << QList<Call>{{u"b"_s, u"y"_s, u"2"_s}}
                                      << QByteArray("[a]\rx=1\r[b]\ry=2\r");
    QTest::newRow("LF file, section appended to unterminated line")
        << QByteArray("[a]\nx=1") << QList<Call>{{u"b"_s, u"y"_s, u"2"_s}} << QByteArray("[a]\nx=1\n[b]\ny=2\n");
    QTest::newRow("replaced line keeps its CR LF in an LF file")
        << QByteArray("[a]\nx=1\r\ny=2\n") << QList<Call>{{u"a"_s, u"x"_s, u"5"_s}} << QByteArray("[a]\nx=5\r\ny=2\n");
    QTest::newRow("section without entries")
        << QByteArray("[a]\r\n; c\r\n\r\n[b]\r\n") << QList<Call>{{u"a"_s, u"k"_s, u"v"_s}}
        << QByteArray("[a]\r\nk=v\r\n; c\r\n\r\n[b]\r\n");
    QTest::newRow("unterminated header") << QByteArray("[a]") << QList<Call>{{u"a"_s, u"k"_s, u"v"_s}}
                                         << QByteArray("[a]\r\nk=v\r\n");
    QTest::newRow("byte-order mark kept")
        << QByteArray("\xEF\xBB\xBF[a]\nx=1\n") << QList<Call>{{u"a"_s, u"x"_s, u"2"_s}, {u"a"_s, u"y"_s, u"3"_s}}
        << QByteArray("\xEF\xBB\xBF[a]\nx=2\ny=3\n");
    QTest::newRow("indented key keeps its indentation")
        << QByteArray("[a]\r\n\t F5\t= old\r\n") << QList<Call>{{u"a"_s, u"f5"_s, u"speech 3 12 -1"_s}}
        << QByteArray("[a]\r\n\t F5\t=speech 3 12 -1\r\n");
    QTest::newRow("first of duplicate keys")
        << QByteArray("[a]\r\nO=1\r\nO=2\r\n") << QList<Call>{{u"a"_s, u"o"_s, u"3"_s}}
        << QByteArray("[a]\r\nO=3\r\nO=2\r\n");
    QTest::newRow("entry before any section untouched")
        << QByteArray("k=0\r\n[a]\r\n") << QList<Call>{{u"a"_s, u"k"_s, u"1"_s}} << QByteArray("k=0\r\n[a]\r\nk=1\r\n");
    QTest::newRow("line without = is not an entry")
        << QByteArray("[a]\r\nx=1\r\nname3\r\n") << QList<Call>{{u"a"_s, u"name3"_s, u"v"_s}}
        << QByteArray("[a]\r\nx=1\r\nname3=v\r\nname3\r\n");
    QTest::newRow("erased binding keeps its line")
        << QByteArray("[Engine.Input]\r\nF5=speech 3 12 -1\r\n") << QList<Call>{{u"Engine.Input"_s, u"F5"_s, QString()}}
        << QByteArray("[Engine.Input]\r\nF5=\r\n");
}

void ProfileWriteTest::writeEntry() {
    QFETCH(QByteArray, before);
    QFETCH(QList<Call>, calls);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    const QString path = test::profileIn(dir, before);
    QVERIFY(!path.isEmpty());

    const ProfileFile profile(path);
    for (const Call& call : calls) {
        const Result result = profile.WriteEntry(call[0], call[1], call[2]);
        QVERIFY2(result.ok(), qPrintable(result.error()));
    }
    QCOMPARE(test::fileBytes(path).value_or("<missing>"), after);
}

void ProfileWriteTest::readsBackAfterWrite_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Call>("write");
    QTest::addColumn<Call>("read");
    QTest::addColumn<QString>("expected");

    QTest::newRow("W25 plain names") << absent << Call{u"   sec   "_s, u"  key  "_s, u" value "_s}
                                     << Call{u"sec"_s, u"key"_s} << u"value"_s;
    QTest::newRow("W25 spaced names") << absent << Call{u"   sec   "_s, u"  key  "_s, u" value "_s}
                                      << Call{u"   sec   "_s, u"  key  "_s} << u"value"_s;
    QTest::newRow("W28 tabs trimmed") << absent << Call{u"S"_s, u"K"_s, u"\tvalue\t"_s} << Call{u"S"_s, u"K"_s}
                                      << u"value"_s;
    QTest::newRow("W43 replaced value") << QByteArray("[a]\r\n  Key = old  \r\n") << Call{u"a"_s, u"key"_s, u"new"_s}
                                        << Call{u"a"_s, u"KEY"_s} << u"new"_s;
    QTest::newRow("speech binding") << QByteArray("[Engine.Input]\r\nF4=\r\n")
                                    << Call{u"Engine.Input"_s, u"F5"_s, u"speech 3 12 -1"_s}
                                    << Call{u"engine.input"_s, u"f5"_s} << u"speech 3 12 -1"_s;
}

void ProfileWriteTest::readsBackAfterWrite() {
    QFETCH(QByteArray, before);
    QFETCH(Call, write);
    QFETCH(Call, read);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = test::profileIn(dir, before);
    QVERIFY(!path.isEmpty());
    const ProfileFile profile(path);
    QVERIFY(profile.WriteEntry(write[0], write[1], write[2]).ok());
    QCOMPARE(profile.ReadEntry(read[0], read[1], u"d"_s, 260), expected);
}

// Arguments that would inject lines or write unreadable entries: nothing is written.
void ProfileWriteTest::refused_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Call>("call");

    const QByteArray profile = "[a]\r\nk=v\r\n";
    QTest::newRow("W27 LF in value, new file") << absent << Call{u"S"_s, u"K"_s, u"\nvalue\n"_s};
    QTest::newRow("W44 section injected by value") << profile << Call{u"a"_s, u"k"_s, u"x\r\n[evil]\r\np=q"_s};
    QTest::newRow("CR in value") << profile << Call{u"a"_s, u"k"_s, u"x\ry"_s};
    QTest::newRow("NUL in value") << profile << Call{u"a"_s, u"k"_s, u"x"_s + QChar(u'\0') + u"y"_s};
    QTest::newRow("W30 line end in section") << absent << Call{u"sec]\r\n[sec2]"_s, u"TestKey"_s, u"v"_s};
    QTest::newRow("LF in section") << profile << Call{u"a\nb"_s, u"k"_s, u"v"_s};
    QTest::newRow("NUL in section") << profile << Call{u"a"_s + QChar(u'\0'), u"k"_s, u"v"_s};
    QTest::newRow("W29 ] in section") << absent << Call{u"sec]whoops"_s, u"TestKey"_s, u"v"_s};
    QTest::newRow("LF in key") << profile << Call{u"a"_s, u"k\nx"_s, u"v"_s};
    QTest::newRow("CR in key") << profile << Call{u"a"_s, u"k\r"_s, u"v"_s};
    QTest::newRow("NUL in key") << profile << Call{u"a"_s, QString(QChar(u'\0')), u"v"_s};
    QTest::newRow("W33 empty key") << absent << Call{u"S"_s, QString(), u";comment"_s};
    QTest::newRow("key of spaces") << profile << Call{u"a"_s, u"   "_s, u"v"_s};
    QTest::newRow("key of tabs") << profile << Call{u"a"_s, u"\t\v"_s, u"v"_s};
    QTest::newRow("= in key") << profile << Call{u"a"_s, u"k=x"_s, u"v"_s};
    QTest::newRow("W31 key starting with ;") << absent << Call{u"S"_s, u";key"_s, u"TestValue"_s};
    QTest::newRow("key starting with [") << profile << Call{u"a"_s, u"[evil]"_s, u"v"_s};
    QTest::newRow("key starting with tab and [") << profile << Call{u"a"_s, u"\t[evil]"_s, u"v"_s};
    QTest::newRow("key starting with space and ;") << profile << Call{u"a"_s, u" ;k"_s, u"v"_s};
    // Written, such names could never be found again: each repeat would add a line.
    QTest::newRow("W26 tabs around the section") << absent << Call{u"\tsec\t"_s, u"TestKey"_s, u"TestValue"_s};
    QTest::newRow("vertical tab ending the section") << profile << Call{u" a\v "_s, u"k"_s, u"v"_s};
    QTest::newRow("tab ending the key") << profile << Call{u"a"_s, u"k\t"_s, u"v"_s};
}

void ProfileWriteTest::refused() {
    QFETCH(QByteArray, before);
    QFETCH(Call, call);

    QTemporaryDir dir;
    const QString path = test::profileIn(dir, before);
    QVERIFY(!path.isEmpty());
    const auto snapshot = test::folderSnapshot(dir.path());

    const Result result = ProfileFile(path).WriteEntry(call[0], call[1], call[2]);
    QVERIFY(!result.ok());
    QVERIFY(!result.error().isEmpty());
    QCOMPARE(test::folderSnapshot(dir.path()), snapshot);
}

enum class Obstacle { ImmutableFile, FolderInPlace, MissingFolder, BelowRegularFile };

void ProfileWriteTest::unwritable_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("read-only profile (immutable)") << Obstacle::ImmutableFile;
    QTest::newRow("folder in the file's place") << Obstacle::FolderInPlace;
    QTest::newRow("W36 missing folder") << Obstacle::MissingFolder;
    QTest::newRow("path below a regular file") << Obstacle::BelowRegularFile;
}

// Every write that cannot be carried out leaves every byte as it was and says why.
void ProfileWriteTest::unwritable() {
    QFETCH(Obstacle, obstacle);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString game = dir.filePath(u"System"_s);
    QVERIFY(QDir().mkdir(game));
    const QByteArray original = "[Engine.Input]\r\nF5=Jump\r\n";
    const QString profile = game + u"/kvuser.ini"_s;
    QVERIFY(test::putFile(profile, original));

    QString path = profile;
    QString immutable;
    switch (obstacle) {
    case Obstacle::ImmutableFile:
        immutable = profile;
        break;
    case Obstacle::FolderInPlace:
        path = game + u"/User.ini"_s;
        QVERIFY(QDir().mkdir(path));
        QVERIFY(test::putFile(path + u"/inside.txt"_s, original));
        break;
    case Obstacle::MissingFolder:
        path = game + u"/missing/kvuser.ini"_s;
        break;
    case Obstacle::BelowRegularFile:
        path = profile + u"/kvuser.ini"_s;
        break;
    }
    if (!immutable.isEmpty()) {
        if (!setImmutable(immutable, true))
            QSKIP("chattr +i is not available here");
    }
    const auto cleanup = qScopeGuard([&] {
        if (!immutable.isEmpty())
            setImmutable(immutable, false);
    });
    const auto snapshot = test::folderSnapshot(dir.path());

    const Result result = ProfileFile(path).WriteEntry(u"Engine.Input"_s, u"F5"_s, u"speech 3 12 -1"_s);
    QVERIFY2(!result.ok(), "the write went through");
    QVERIFY(!result.error().isEmpty());
    QCOMPARE(test::folderSnapshot(dir.path()), snapshot);
    QCOMPARE(test::fileBytes(profile).value_or("<missing>"), original);
}

void ProfileWriteTest::emptyPathFails() {
    const Result result = ProfileFile(QString()).WriteEntry(u"S"_s, u"K"_s, u"V"_s);
    QVERIFY(!result.ok());
    QVERIFY(!result.error().isEmpty());
}

void ProfileWriteTest::codePageBytes() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"kvuser.ini"_s);
    const ProfileFile profile(path);
    QVERIFY(profile.WriteEntry(u"DefaultPlayer"_s, u"Name"_s, u"\u0192\u0178\u20AC\u00E4\u4E2D\U0001F600!"_s).ok());
    QCOMPARE(test::fileBytes(path).value_or("<missing>"), QByteArray("[DefaultPlayer]\r\nName=\x83\x9F\x80\xE4?"
                                                                     "?!\r\n"));
    QCOMPARE(profile.ReadEntry(u"DefaultPlayer"_s, u"Name"_s, QString(), 260), u"\u0192\u0178\u20AC\u00E4?"
                                                                               u"?!"_s);
}

void ProfileWriteTest::unchangedValueLeavesFileAlone() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"kvuser.ini"_s);
    QVERIFY(test::putFile(path, "[DefaultPlayer]\r\nVoice=BotPack.VoiceBoss\r\n"));
    // An immutable file shows that no write is attempted when nothing would change.
    if (!setImmutable(path, true))
        QSKIP("chattr +i is not available here");
    const auto cleanup = qScopeGuard([&] { setImmutable(path, false); });
    QVERIFY(ProfileFile(path).WriteEntry(u"DefaultPlayer"_s, u"Voice"_s, u"BotPack.VoiceBoss"_s).ok());
}

QTEST_GUILESS_MAIN(ProfileWriteTest)
#include "tst_ProfileWrite.moc"

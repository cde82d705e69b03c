// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace parlomatic;

namespace {

const QByteArray fx1 = "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";
const QByteArray fx1cr = QByteArray(fx1).replace("\r\n", "\r");
// A null array stands for a file that does not exist.
const QByteArray absent;

void addRead(const char* name, const QByteArray& file, const QString& section, const QString& key,
             const QString& defaultValue, int capacity, const QString& expected) {
    QTest::newRow(name) << file << section << key << defaultValue << capacity << expected;
}

} // namespace

class ProfileReadTest : public QObject {
    Q_OBJECT

private slots:
    void readEntry_data();
    void readEntry();
    void unreadablePlaces_data();
    void unreadablePlaces();
};

void ProfileReadTest::readEntry_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("expected");

    addRead("R01 plain value", fx1, u"section1"_s, u"name1"_s, u"default"_s, 260, u"val1"_s);
    addRead("R02 key case ignored", fx1, u"section1"_s, u"NaMe1"_s, u"default"_s, 260, u"val1"_s);
    addRead("R03 quotes stripped", fx1, u"section1"_s, u"name2"_s, u"default"_s, 260, u"val2"_s);
    addRead("R04 missing key", fx1, u"section1"_s, u"notakey"_s, u"default"_s, 260, u"default"_s);
    addRead("R05 missing section", fx1, u"notasection"_s, u"name1"_s, u"default"_s, 260, u"default"_s);
    addRead("R06 capacity cuts", fx1, u"section1"_s, u"name1"_s, u"default"_s, 4, u"val"_s);
    addRead("R07 capacity just fits", fx1, u"section1"_s, u"name1"_s, u"default"_s, 5, u"val1"_s);
    addRead("R08 capacity 1", fx1, u"section1"_s, u"name4"_s, u"default"_s, 1, QString());
    addRead("R09 capacity 0", fx1, u"section1"_s, u"name1"_s, u"default"_s, 0, QString());
    addRead("negative capacity", fx1, u"section1"_s, u"name1"_s, u"default"_s, -5, QString());
    addRead("R10 default trailing spaces", fx1, u"section1"_s, u"notakey"_s, u"default  "_s, 260, u"default"_s);
    addRead("R11 default inner space kept", fx1, u"section1"_s, u"notakey"_s, u"one two  "_s, 260, u"one two"_s);
    addRead("R12 empty default", fx1, u"section1"_s, u"notakey"_s, QString(), 260, QString());
    addRead("R13 default leading spaces kept", fx1, u"section1"_s, u"notakey"_s, u"   default   "_s, 260,
            u"   default"_s);
    addRead("R14 default tabs kept", fx1, u"section1"_s, u"notakey"_s, u"\tdefault\t"_s, 260, u"\tdefault\t"_s);
    addRead("R15 missing file", absent, u"section1"_s, u"name1"_s, u"default"_s, 260, u"default"_s);
    addRead("R16 CR line ends", fx1cr, u"section1"_s, u"name1"_s, u"default"_s, 260, u"val1"_s);
    addRead("R17 CR line ends, quotes", fx1cr, u"section1"_s, u"name2"_s, u"default"_s, 260, u"val2"_s);
    addRead("R19 LF line ends", "[Test]\nProfileInt=123\n", u"Test"_s, u"ProfileInt"_s, QString(), 260, u"123"_s);
    addRead("R20 value spaces trimmed", "[S]\r\nK= TestValue \r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"TestValue"_s);
    addRead("R20 value tabs trimmed", "[S]\r\nK=\tTestValue\t\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"TestValue"_s);
    addRead("R20 value VTs trimmed", "[S]\r\nK=\vTestValue\v\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"TestValue"_s);
    addRead("R21 key tabs trimmed", "[S]\r\n\tK\t=TestValue\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"TestValue"_s);
    addRead("R22 space before [", " [S]\r\nK=v\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    addRead("R22 tab before [", "\t[S]\r\nK=v\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    addRead("R22 VT before [", "\v[S]\r\nK=v\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    addRead("R22 CR before [", "\r[S]\r\nK=v\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    addRead("R22 LF before [", "\n[S]\r\nK=v\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    addRead("R23 spaces in brackets", "[ x ]\r\nK=v\r\n", u"x"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    addRead("R23 tabs in brackets", "[\tx\t]\r\nK=v\r\n", u"x"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    addRead("R23 VTs in brackets", "[\vx\v]\r\nK=v\r\n", u"x"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    const QByteArray r24 = "[SectionName]\r\nTestKey=TestValue\r\n";
    addRead("R24 section argument spaces ignored", r24, u" SectionName "_s, u"TestKey"_s, u"d"_s, 260, u"TestValue"_s);
    addRead("R24 key argument spaces ignored", r24, u"SectionName"_s, u"  TestKey "_s, u"d"_s, 260, u"TestValue"_s);
    addRead("R25 section argument tab counts", r24, u"\tSectionName"_s, u"TestKey"_s, u"d"_s, 260, u"d"_s);
    addRead("R26 key argument tab counts", r24, u"SectionName"_s, u"TestKey\t"_s, u"d"_s, 260, u"d"_s);
    addRead("R27 first key wins", "[S]\r\nK=first\r\nK=second", u"S"_s, u"K"_s, u"d"_s, 260, u"first"_s);
    addRead("R28 first section only", "[S]\r\n[S]\r\nK=V", u"S"_s, u"K"_s, u"d"_s, 260, u"d"_s);
    addRead("R29 comment not a key", "[S]\r\n;key=v\r\n", u"S"_s, u";key"_s, u"d"_s, 260, u"d"_s);
    addRead("R29 comment hides key", "[S]\r\n;key=v\r\n", u"S"_s, u"key"_s, u"d"_s, 260, u"d"_s);
    addRead("R30 indented comment, K", "[S]\r\n ;K=v\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"d"_s);
    addRead("R30 indented comment, ;K", "[S]\r\n ;K=v\r\n", u"S"_s, u";K"_s, u"d"_s, 260, u"d"_s);
    addRead("R30 indented comment, space ;K", "[S]\r\n ;K=v\r\n", u"S"_s, u" ;K"_s, u"d"_s, 260, u"d"_s);
    addRead("R31 no inline comment", "[S]\r\nK=;nocomment\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u";nocomment"_s);
    addRead("R32 double quotes keep inner blanks", "[S]\r\nK=  \"   TestValue   \"  \r\n", u"S"_s, u"K"_s, QString(),
            260, u"   TestValue   "_s);
    addRead("R33 single quotes keep inner blanks", "[S]\r\nK=  '   TestValue   '  \r\n", u"S"_s, u"K"_s, QString(), 260,
            u"   TestValue   "_s);
    addRead("R34 unlike quotes kept", "[S]\r\nK=  \"   TestValue   '  \r\n", u"S"_s, u"K"_s, u"d"_s, 260,
            u"\"   TestValue   '"_s);
    addRead("R35 one pair stripped", "[S]\r\nK=  \"'   TestValue   '\"  \r\n", u"S"_s, u"K"_s, QString(), 260,
            u"'   TestValue   '"_s);
    addRead("R36 crossed quotes kept", "[S]\r\nK=  '\"   TestValue   '\"  \r\n", u"S"_s, u"K"_s, QString(), 260,
            u"'\"   TestValue   '\""_s);
    addRead("R37 quoted key, plain name", "[S]\r\n\"K\"=v\r\n", u"S"_s, u"K"_s, QString(), 260, QString());
    addRead("R37 quoted key, quoted name", "[S]\r\n\"K\"=v\r\n", u"S"_s, u"\"K\""_s, QString(), 260, u"v"_s);
    addRead("R38 text after header ignored", "[SectionName]TestKey=TestValue\r\n", u"SectionName"_s, u"TestKey"_s,
            u"d"_s, 260, u"d"_s);
    addRead("R39 missing ]", "[SectionName   \r\nTestKey=TestValue\r\n", u"SectionName"_s, u"TestKey"_s, u"d"_s, 260,
            u"TestValue"_s);
    addRead("R40 name ends at first ]", "[sec]whoops]\r\nTestKey=TestValue\r\n", u"sec"_s, u"TestKey"_s, u"d"_s, 260,
            u"TestValue"_s);
    addRead("R40 text after ] not in name", "[sec]whoops]\r\nTestKey=TestValue\r\n", u"sec]whoops"_s, u"TestKey"_s,
            u"d"_s, 260, u"d"_s);
    addRead("R41 missing [", "SectionName]\r\nTestKey=TestValue\r\n", u"SectionName"_s, u"TestKey"_s, u"d"_s, 260,
            u"d"_s);
    addRead("R42 lines before first section", "TestKey=TestValue\r\n[SectionName]\r\nTestKey2=TestValue2\r\n",
            QString(), u"TestKey"_s, u"d"_s, 260, u"d"_s);
    const QByteArray r43 = "\r\nkey=val_no_section\r\n[]\r\nkey=val_e_section\r\n[s]\r\n=val_no_key\r\n[t]\r\n";
    addRead("R43 empty section name", r43, QString(), u"key"_s, u"d"_s, 260, u"val_e_section"_s);
    addRead("R44 empty key name", r43, u"s"_s, QString(), u"d"_s, 260, u"val_no_key"_s);
    addRead("R45 empty value is not the default", "[s]\r\nname2=\r\n", u"s"_s, u"name2"_s, u"default"_s, 260,
            QString());
    addRead("R46 line without =", fx1, u"section1"_s, u"name3"_s, u"default"_s, 260, u"default"_s);
    addRead("R47 split at first =", "[S]\r\nK=a=b\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"a=b"_s);
    const QByteArray r48 =
        "\xEF\xBB\xBF[SectionName]\r\nTestKey=TestValue\r\n[SectionName2]\r\nTestKey2=TestValue2\r\n";
    addRead("R48 byte-order mark skipped", r48, u"SectionName"_s, u"TestKey"_s, u"d"_s, 260, u"TestValue"_s);
    addRead("R48 second section", r48, u"SectionName2"_s, u"TestKey2"_s, u"d"_s, 260, u"TestValue2"_s);
    addRead("R49 lower-case names", "[S]\r\nK=v\r\n", u"s"_s, u"k"_s, u"d"_s, 260, u"v"_s);
    addRead("R49 value case kept", "[S]\r\nK=vAlUe\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"vAlUe"_s);
    addRead("R50 ; inside a key", "[S]\r\nkey ;nocomment=TestValue\r\n", u"S"_s, u"key ;nocomment"_s, QString(), 260,
            u"TestValue"_s);

    // Cases the program itself meets.
    const QString voiceDefault = u"noVoice"_s + QString(23, u' ');
    addRead("no Voice entry", "[DefaultPlayer]\r\nName=Player\r\n", u"DefaultPlayer"_s, u"Voice"_s, voiceDefault, 30,
            u"noVoice"_s);
    addRead("40 characters cut to 29", "[Engine.Input]\r\nF5=0123456789012345678901234567890123456789\r\n",
            u"Engine.Input"_s, u"F5"_s, voiceDefault, 30, u"01234567890123456789012345678"_s);
    addRead("default cut to capacity", absent, u"S"_s, u"K"_s, u"defaultvalue"_s, 4, u"def"_s);
    addRead("lower-case key in file", "[Engine.Input]\r\nf=Feign\r\n", u"Engine.Input"_s, u"F"_s, u"d"_s, 30,
            u"Feign"_s);
    addRead("section name case ignored", "[engine.INPUT]\r\nF=Feign\r\n", u"Engine.Input"_s, u"f"_s, u"d"_s, 30,
            u"Feign"_s);
    addRead("non-ASCII letters compared exactly", "[S]\r\n\xC4=v\r\n", u"S"_s, u"\u00E4"_s, u"d"_s, 260, u"d"_s);
    addRead("value in the code page", "[S]\r\nK=\x80\x83\x9F\xE4\r\n", u"S"_s, u"K"_s, u"d"_s, 260,
            u"\u20AC\u0192\u0178\u00E4"_s);
    addRead("capacity counts characters", "[S]\r\nK=\x80\x83\x9F\xE4\r\n", u"S"_s, u"K"_s, u"d"_s, 3,
            u"\u20AC\u0192"_s);
    addRead("key before the section header", "K=outside\r\n[S]\r\nK=inside\r\n", u"S"_s, u"K"_s, u"d"_s, 260,
            u"inside"_s);
    addRead("key of the next section", "[S]\r\nA=1\r\n[T]\r\nK=v\r\n", u"S"_s, u"K"_s, u"d"_s, 260, u"d"_s);
    addRead("unterminated last line", "[S]\r\nK=last", u"S"_s, u"K"_s, u"d"_s, 260, u"last"_s);
    addRead("mixed line ends", "[A]\nx=1\r[S]\r\nK=v\n", u"S"_s, u"K"_s, u"d"_s, 260, u"v"_s);
    // A section's lines end where the next header starts, whatever ends the line before it.
    addRead("entry of a repeated section after a lone CR", "[S]\rK=v\r[s]\rJ=w", u"S"_s, u"J"_s, u"d"_s, 260, u"d"_s);
    addRead("last entry before a header after a lone CR", "[S]\rJ=x\rK=v\r[T]\rK=w", u"S"_s, u"K"_s, u"d"_s, 260,
            u"v"_s);
    addRead("empty file", "", u"S"_s, u"K"_s, u"d"_s, 260, u"d"_s);
    addRead("default beyond the code page", absent, u"S"_s, u"K"_s, u"\u4E2D\u00E9"_s, 260, u"?\u00E9"_s);
}

void ProfileReadTest::readEntry() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);
    QFETCH(int, capacity);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = test::profileIn(dir, file);
    QVERIFY(!path.isEmpty());

    const ProfileFile profile(path);
    QCOMPARE(profile.ReadEntry(section, key, defaultValue, capacity), expected);
    // Within a read scope the same reads come from one read of the file: the first two scan it, the third
    // builds its index, the fourth uses it.
    const ProfileFile::ReadScope scope(profile);
    for (int pass = 0; pass < 4; ++pass)
        QCOMPARE(profile.ReadEntry(section, key, defaultValue, capacity), expected);
}

// Places that hold no readable profile read as the default.
void ProfileReadTest::unreadablePlaces_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("empty path") << QString();
    QTest::newRow("a folder") << u"folder"_s;
    QTest::newRow("below a regular file") << u"plain.txt/kvuser.ini"_s;
    QTest::newRow("missing folder") << u"missing/kvuser.ini"_s;
}

void ProfileReadTest::unreadablePlaces() {
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    QVERIFY(test::putFile(dir.filePath(u"plain.txt"_s), "[S]\r\nK=v\r\n"));

    const QString path = relativePath.isEmpty() ? QString() : dir.filePath(relativePath);
    const ProfileFile profile(path);
    QCOMPARE(profile.ReadEntry(u"S"_s, u"K"_s, u"noVoice   "_s, 30), u"noVoice"_s);
    const ProfileFile::ReadScope scope(profile);
    QCOMPARE(profile.ReadEntry(u"S"_s, u"K"_s, u"noVoice   "_s, 30), u"noVoice"_s);
}

QTEST_GUILESS_MAIN(ProfileReadTest)
#include "tst_ProfileRead.moc"

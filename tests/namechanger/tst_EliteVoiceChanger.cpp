// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ProductInfo.h"
#include "namechanger/EliteRules.h"
#include "namechanger/EliteVoiceChanger.h"
#include "namechanger/ExpectedEliteRules.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace parlomatic;
using namespace parlomatic::test;

namespace {

// A profile with [DefaultPlayer] between other sections, and a Name key in a
// section of its own that must not be touched.
const QByteArray profileBefore = "[Engine.Input]\r\n"
                                 "F5=speech 0 1 -1\r\n"
                                 "\r\n"
                                 "[DefaultPlayer]\r\n"
                                 "Name=Player\r\n"
                                 "Voice=Botpack.VoiceMaleTwo\r\n"
                                 "\r\n"
                                 "[Botpack.Ladder]\r\n"
                                 "Name=keep me\r\n";

QByteArray profileWithName(const QByteArray& name) {
    QByteArray profile = profileBefore;
    return profile.replace("Name=Player\r\n", "Name=" + name + "\r\n");
}

// A name changer whose ini_path names kvuser.ini, holding profile, in a
// folder of its own. ready tells whether the file could be made.
struct NameChangerOnProfile {
    explicit NameChangerOnProfile(const QByteArray& profile)
        : path(profileIn(folder, profile)), ready(folder.isValid() && !path.isEmpty()) {
        changer.setIniPath(path);
    }

    QTemporaryDir folder;
    QString path;
    bool ready;
    ScriptedInteraction interaction;
    EliteVoiceChanger changer{interaction};
};

MessageRequest confirmation() {
    return MessageRequest{QStringLiteral("OK, new Name was written to ini File"), product::applicationTitle(),
                          MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok};
}

} // namespace

class tst_EliteVoiceChanger : public QObject {
    Q_OBJECT

private slots:
    void typingRecomputesBothResults();
    void brackets_data();
    void brackets();
    void handEditIsKeptUntilTheNextKeystroke();
    void writeReachesTheFile_data();
    void writeReachesTheFile();
    void askedAndToldAboutWhatTheGameKeeps();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void realProfileChangesOnlyTheNameLine_data();
    void realProfileChangesOnlyTheNameLine();
};

void tst_EliteVoiceChanger::typingRecomputesBothResults() {
    ScriptedInteraction interaction;
    EliteVoiceChanger changer(interaction);
    int redraws = 0;
    changer.setResultsChangedHandler([&] { ++redraws; });

    changer.setNamenEingabe(QStringLiteral("A"));
    changer.setNamenEingabe(QStringLiteral("An"));
    changer.setNamenEingabe(QStringLiteral("Anna"));
    QCOMPARE(changer.ergebnis1(), QStringLiteral("@NN@"));
    QCOMPARE(changer.ergebnis2(), QStringLiteral("\u00C5\u00F1\u00F1\u00C5"));
    QCOMPARE(redraws, 3);

    changer.setNamenEingabe(QStringLiteral("Anna"));
    QCOMPARE(redraws, 3);

    changer.setNamenEingabe(QString());
    QCOMPARE(changer.ergebnis1(), QString());
    QCOMPARE(changer.ergebnis2(), QString());
    QCOMPARE(redraws, 4);
    QVERIFY(interaction.messages.isEmpty());
}

void tst_EliteVoiceChanger::brackets_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("once") << QStringLiteral("x") << 1 << QStringLiteral("[{(\u00BB\u00BB\u00AB\u00AB)}]")
                          << QStringLiteral("[{(\u00BBx\u00AB)}]");
    QTest::newRow("twice") << QStringLiteral("x") << 2
                           << QStringLiteral("[{(\u00BB[{(\u00BB\u00BB\u00AB\u00AB)}]\u00AB)}]")
                           << QStringLiteral("[{(\u00BB[{(\u00BBx\u00AB)}]\u00AB)}]");
    QTest::newRow("empty results") << QString() << 1 << QStringLiteral("[{(\u00BB\u00AB)}]")
                                   << QStringLiteral("[{(\u00BB\u00AB)}]");
}

void tst_EliteVoiceChanger::brackets() {
    QFETCH(QString, name);
    QFETCH(int, presses);
    QFETCH(QString, first);
    QFETCH(QString, second);

    ScriptedInteraction interaction;
    EliteVoiceChanger changer(interaction);
    int redraws = 0;
    changer.setResultsChangedHandler([&] { ++redraws; });
    changer.setNamenEingabe(name);
    redraws = 0;

    for (int press = 0; press < presses; ++press)
        changer.add_tm_Click();
    QCOMPARE(changer.ergebnis1(), first);
    QCOMPARE(changer.ergebnis2(), second);
    QCOMPARE(redraws, presses);

    // The next keystroke recomputes both results from the typed name alone.
    const QString typed = name + QStringLiteral("a");
    changer.setNamenEingabe(typed);
    QCOMPARE(changer.ergebnis1(), ApplyEliteRules(typed, EliteRules1));
    QCOMPARE(changer.ergebnis2(), ApplyEliteRules(typed, EliteRules2));
    QVERIFY(!changer.ergebnis1().contains(QLatin1Char('[')));
}

void tst_EliteVoiceChanger::handEditIsKeptUntilTheNextKeystroke() {
    ScriptedInteraction interaction;
    EliteVoiceChanger changer(interaction);
    int redraws = 0;
    changer.setResultsChangedHandler([&] { ++redraws; });
    changer.setNamenEingabe(QStringLiteral("Tim"));
    changer.setErgebnis1(QStringLiteral("by hand"));
    changer.setErgebnis2(QStringLiteral("also by hand"));
    QCOMPARE(changer.ergebnis1(), QStringLiteral("by hand"));
    QCOMPARE(changer.ergebnis2(), QStringLiteral("also by hand"));
    QCOMPARE(redraws, 1);

    changer.add_tm_Click();
    QCOMPARE(changer.ergebnis1(), QStringLiteral("[{(\u00BBby hand\u00AB)}]"));

    changer.setNamenEingabe(QStringLiteral("Tim"));
    QCOMPARE(changer.ergebnis1(), QStringLiteral("[{(\u00BBby hand\u00AB)}]"));
    changer.setNamenEingabe(QStringLiteral("Tims"));
    QCOMPARE(changer.ergebnis1(), QStringLiteral("T\u00CE/v\\\u00A7"));
    QCOMPARE(changer.ergebnis2(), QStringLiteral("t\u00EFM$"));
}

void tst_EliteVoiceChanger::writeReachesTheFile_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("handEdit");
    QTest::addColumn<QByteArray>("nameBytes");

    QTest::newRow("Anna, first form") << QStringLiteral("Anna") << 1 << QString() << QByteArray("\x40\x4E\x4E\x40");
    QTest::newRow("Anna, second form") << QStringLiteral("Anna") << 2 << QString() << QByteArray("\xC5\xF1\xF1\xC5");
    QTest::newRow("max 2003, first form")
        << QStringLiteral("max 2003") << 1 << QString() << QByteArray("/v\\@\xBB\xAB 2003");
    QTest::newRow("empty result") << QString() << 1 << QString() << QByteArray();
    QTest::newRow("empty second result") << QString() << 2 << QString() << QByteArray();
    QTest::newRow("hand edit, first") << QStringLiteral("Anna") << 1 << QStringLiteral("[KV] Ann\u00E4 ;#=")
                                      << QByteArray("[KV] Ann\xE4 ;#=");
    QTest::newRow("hand edit, second") << QStringLiteral("Anna") << 2 << QStringLiteral("x") << QByteArray("x");
    QTest::newRow("brackets") << QString() << 2 << QStringLiteral("[{(\u00BB\u00AB)}]")
                              << QByteArray("\x5B\x7B\x28\xBB\xAB\x29\x7D\x5D");
    for (const auto& rule : test::expectedEliteRules())
        QTest::addRow("rule %d %c", rule.table, rule.letter)
            << QString(QLatin1Char(rule.letter)) << rule.table << QString() << rule.bytes;
}

void tst_EliteVoiceChanger::writeReachesTheFile() {
    QFETCH(QString, typed);
    QFETCH(int, button);
    QFETCH(QString, handEdit);
    QFETCH(QByteArray, nameBytes);

    NameChangerOnProfile fixture(profileBefore);
    QVERIFY(fixture.ready);
    EliteVoiceChanger& changer = fixture.changer;
    changer.setNamenEingabe(typed);
    if (!handEdit.isNull())
        button == 1 ? changer.setErgebnis1(handEdit) : changer.setErgebnis2(handEdit);
    button == 1 ? changer.write_name1_Click() : changer.write_name2_Click();

    QCOMPARE(fileBytes(fixture.path).value_or("<missing>"), profileWithName(nameBytes));
    QCOMPARE(fixture.interaction.messages, QList<MessageRequest>{confirmation()});
}

void tst_EliteVoiceChanger::askedAndToldAboutWhatTheGameKeeps() {
    const QString han = QStringLiteral("\u4E2D");
    const QString smiley = QString::fromUcs4(U"\U0001F600", 1);
    // Name, answer, characters asked about, bytes written (null: nothing).
    const std::tuple<QString, MessageAnswer, QString, QByteArray> cases[] = {
        {han, MessageAnswer::No, han, QByteArray()},
        {han + han + QStringLiteral("x") + smiley, MessageAnswer::Yes, han + QStringLiteral(" ") + smiley, "??x?"},
        {QStringLiteral("a?\u20AC"), MessageAnswer::No, QString(), "a?\x80"},
        {QString(20, QLatin1Char('n')), MessageAnswer::No, QString(), QByteArray(20, 'n')},
        {QString(21, QLatin1Char('n')), MessageAnswer::No, QString(), QByteArray(21, 'n')},
        {smiley.repeated(21), MessageAnswer::Yes, smiley, QByteArray(21, '?')}};
    for (const auto& [name, answer, lost, nameBytes] : cases) {
        NameChangerOnProfile fixture(profileBefore);
        QVERIFY(fixture.ready);
        fixture.changer.setErgebnis2(name);
        fixture.interaction.messageAnswers = {answer};
        fixture.changer.write_name2_Click();

        QList<MessageRequest> expected;
        if (!lost.isEmpty())
            expected.append({QStringLiteral("These characters cannot be stored in kvuser.ini and would become \"?\": "
                                            "%1. Write anyway?")
                                 .arg(lost),
                             product::applicationTitle(), MessageIcon::None, MessageButtons::YesNo, MessageAnswer::No});
        if (!nameBytes.isNull())
            expected.append(confirmation());
        if (nameBytes.size() > 20)
            expected.last().text += QStringLiteral("\nThe game shows only the first 20 characters of a name.");
        QCOMPARE(fixture.interaction.messages, expected);
        QCOMPARE(fileBytes(fixture.path).value_or("<missing>"),
                 nameBytes.isNull() ? profileBefore : profileWithName(nameBytes));
    }
}

void tst_EliteVoiceChanger::failedWriteIsReported_data() {
    QTest::addColumn<QString>("failure");

    QTest::newRow("path below a regular file") << QStringLiteral("below file");
    QTest::newRow("folder in the file's place") << QStringLiteral("folder");
    QTest::newRow("line break in a hand-edited result") << QStringLiteral("line break");
}

void tst_EliteVoiceChanger::failedWriteIsReported() {
    QFETCH(QString, failure);

    NameChangerOnProfile fixture(profileBefore);
    QVERIFY(fixture.ready);
    EliteVoiceChanger& changer = fixture.changer;
    QString path = fixture.path;
    if (failure == QStringLiteral("below file"))
        path = fixture.path + QStringLiteral("/kvuser.ini");
    if (failure == QStringLiteral("folder")) {
        path = fixture.folder.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkdir(path));
    }
    changer.setIniPath(path);
    changer.setNamenEingabe(QStringLiteral("Anna"));
    if (failure == QStringLiteral("line break"))
        changer.setErgebnis1(QStringLiteral("Anna\r\n[evil]\r\np=q"));
    const QMap<QString, QByteArray> before = folderSnapshot(fixture.folder.path());
    changer.write_name1_Click();

    QCOMPARE(folderSnapshot(fixture.folder.path()), before);
    QCOMPARE(fixture.interaction.messages.size(), 1);
    const MessageRequest& box = fixture.interaction.messages.first();
    QCOMPARE(box.icon, MessageIcon::Critical);
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QCOMPARE(box.title, product::applicationTitle());
    const QString lead = QStringLiteral("The new Name was NOT written to %1:\n").arg(QDir::toNativeSeparators(path));
    QVERIFY2(box.text.startsWith(lead), qPrintable(box.text));
    QVERIFY2(box.text.size() > lead.size(), "the reason is missing");
}

void tst_EliteVoiceChanger::realProfileChangesOnlyTheNameLine_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("oldName");

    QTest::newRow("game default") << QStringLiteral("UT436_DefUser.ini") << QByteArray("Player");
    QTest::newRow("server profile") << QStringLiteral("UT436_server_User.ini") << QByteArray("Player");
    QTest::newRow("player profile") << QStringLiteral("UT_player_User_VoiceMaleTwo.ini") << QByteArray("loki");
    QTest::newRow("modification default") << QStringLiteral("TacticalOps350_DefUser.ini") << QByteArray("Player_v469c");
}

void tst_EliteVoiceChanger::realProfileChangesOnlyTheNameLine() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, oldName);

    const QString source = QStringLiteral(PARLOMATIC_REALWORLD_DIR "/") + fileName;
    if (!QFile::exists(source))
        QSKIP("real profiles are not available");
    const QByteArray before = fileBytes(source).value_or("<missing>");
    NameChangerOnProfile fixture(before);
    QVERIFY(fixture.ready);
    fixture.changer.setNamenEingabe(QStringLiteral("Tim"));
    fixture.changer.write_name1_Click();

    QByteArray expected = before;
    const qsizetype at = expected.indexOf("Name=" + oldName);
    QCOMPARE(at, before.indexOf('\n') + 1);
    expected.replace(at, 5 + oldName.size(), "Name=T\xCE/v\\");
    QCOMPARE(fileBytes(fixture.path).value_or("<missing>"), expected);
    QCOMPARE(fixture.interaction.messages, QList<MessageRequest>{confirmation()});
}

QTEST_GUILESS_MAIN(tst_EliteVoiceChanger)
#include "tst_EliteVoiceChanger.moc"

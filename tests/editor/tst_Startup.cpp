// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SpeechTool.h"
#include "locate/ProgramFolders.h"
#include "locate/RememberedProfile.h"
#include "profile/ProfileFile.h"
#include "support/HiddenFile.h"
#include "support/ScriptedInteraction.h"
#include "support/StartedTool.h"
#include "support/TempProfile.h"

#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

MessageRequest plainMessage(const QString& text) {
    return {text, u"Parlomatic"_s, MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok};
}

const QString refusal = u"Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now"_s;
const QString restoring = u"Ok, lets try to restore Your kvuser.ini"_s;
const QString defect = u"Your kvuser.ini was not Restored,because the backup file seems to be defect"_s;

QByteArray profileOfSize(qsizetype size) {
    QByteArray text = gameProfile("BotPack.VoiceBoss");
    return size <= text.size() ? text.left(size) : text + QByteArray(size - text.size(), ';');
}

void writeFile(const QString& path, const QByteArray& content) {
    QVERIFY(putFile(path, content));
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void profileBesideExecutable();
    void profileFromDialog_data();
    void profileFromDialog();
    void refusedWithoutProfile_data();
    void refusedWithoutProfile();
    void backupReplacedAtEachStart();
    void failedBackupIsReportedOnce();
    void restoreRightAfterStart();
    void restoreChecksBackupSize_data();
    void restoreChecksBackupSize();
    void restoreWithDeletedBackup();
    void restoreRefusesBackupWithoutSection_data();
    void restoreRefusesBackupWithoutSection();
    void sameBackupIsNotRewritten();
    void restoreIntoReadOnlyProfile();
    void restoringTwiceGivesStartState();
    void profileBesideLinkThenTarget();
    void browseFromChooserIsRemembered();
    void missingCommandLineProfileIsRefused();
};

void TestStartup::profileBesideExecutable() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "F5=speech 3 5 -1\r\n"));
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));

    QVERIFY(interaction.fileDialogs.isEmpty());
    QVERIFY(interaction.messages.isEmpty());
    QCOMPARE(tool.profilePath(), QDir::toNativeSeparators(profile.path()));
    QCOMPARE(tool.my_temp(), QDir::toNativeSeparators(profile.path()));
    QCOMPARE(tool.backupPath(), QDir::toNativeSeparators(profile.dir() + u"/kvuser1.bak"_s));
    QCOMPARE(TempProfile::readFile(tool.backupPath()), profile.read());
    QCOMPARE(tool.voicepack().text(), u"Unreal Tournament Boss Voice"_s);
    QCOMPARE(tool.usedSpeechKeys().count(), 1);
}

void TestStartup::profileFromDialog_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("answerPadding");
    QTest::addColumn<QString>("backupName");

    QTest::newRow("kvuser.ini") << "kvuser.ini"
                                << ""
                                << "kvuser1.bak";
    QTest::newRow("blanks around the answer") << "kvuser.ini"
                                              << "  "
                                              << "kvuser1.bak";
    QTest::newRow("another name that exists") << "User.ini"
                                              << ""
                                              << "User1.bak";
    QTest::newRow("short extension") << "kvuser.cfg"
                                     << ""
                                     << "kvuser1.bak";
}

void TestStartup::profileFromDialog() {
    QFETCH(QString, fileName);
    QFETCH(QString, answerPadding);
    QFETCH(QString, backupName);

    QTemporaryDir executableDir;
    TempProfile profile(gameProfile("BotPack.VoiceBoss"), fileName);
    ScriptedInteraction interaction;
    interaction.fileAnswers = {answerPadding + profile.path() + answerPadding};
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {executableDir.path()}, u"/working/folder"_s));

    QCOMPARE(interaction.fileDialogs.size(), 1);
    const OpenFileRequest& dialog = interaction.fileDialogs.first();
    QCOMPARE(dialog.title, u"Please locate your kvuser.ini (could be found in ut/system folder)"_s);
    QCOMPARE(dialog.fileName, u"kvuser.ini"_s);
    QCOMPARE(dialog.initialDir, u"/working/folder"_s);
    QCOMPARE(tool.profilePath(), profile.path());
    QCOMPARE(tool.backupPath(), profile.dir() + u'/' + backupName);
    QVERIFY(QFile::exists(tool.backupPath()));
}

void TestStartup::refusedWithoutProfile_data() {
    QTest::addColumn<QString>("besideExecutable");
    QTest::addColumn<QString>("dialogAnswer");

    QTest::newRow("nothing, dialog cancelled") << ""
                                               << "";
    QTest::newRow("folder named kvuser.ini, dialog cancelled") << "folder"
                                                               << "";
    QTest::newRow("hidden kvuser.ini beside the program, dialog cancelled") << "hidden"
                                                                            << "";
    QTest::newRow("hidden file chosen") << ""
                                        << "hidden";
    QTest::newRow("folder chosen") << ""
                                   << "chosen-folder";
    QTest::newRow("missing file chosen") << ""
                                         << "gone.ini";
}

void TestStartup::refusedWithoutProfile() {
    QFETCH(QString, besideExecutable);
    QFETCH(QString, dialogAnswer);

    QTemporaryDir dir;
    if (besideExecutable == u"folder"_s)
        QVERIFY(QDir(dir.path()).mkdir(u"kvuser.ini"_s));
    // Hidden by the file attribute on Windows; on Unix, where the name alone
    // hides a file, kvuser.ini cannot be hidden and the row finds no profile.
    if (besideExecutable == u"hidden"_s)
        QVERIFY(!writeHiddenFile(dir.path(), u"kvuser.ini"_s, gameProfile("BotPack.VoiceBoss")).isEmpty());
    ScriptedInteraction interaction;
    if (!dialogAnswer.isEmpty()) {
        QString chosen = dir.filePath(dialogAnswer);
        if (dialogAnswer == u"hidden"_s)
            QVERIFY(
                !(chosen = writeHiddenFile(dir.path(), u"chosen.ini"_s, gameProfile("BotPack.VoiceBoss"))).isEmpty());
        else if (dialogAnswer == u"chosen-folder"_s)
            QVERIFY(QDir(dir.path()).mkdir(dialogAnswer));
        interaction.fileAnswers = {chosen};
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    SpeechTool tool(interaction);
    QVERIFY(!startUp(tool, interaction, {dir.path()}, dir.path()));

    QCOMPARE(interaction.fileDialogs.size(), 1);
    QCOMPARE(interaction.messages, QList<MessageRequest>{plainMessage(refusal)});
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
}

void TestStartup::backupReplacedAtEachStart() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    writeFile(profile.dir() + u"/kvuser1.bak"_s, "an old backup of an earlier start");
    ScriptedInteraction interaction;
    SpeechTool first(interaction);
    QVERIFY(startUp(first, interaction, {profile.dir()}, u"/"_s));
    QCOMPARE(TempProfile::readFile(first.backupPath()), profile.read());

    profile.write(gameProfile("MultiMesh.SkaarjVoice"));
    SpeechTool second(interaction);
    QVERIFY(startUp(second, interaction, {profile.dir()}, u"/"_s));
    QCOMPARE(TempProfile::readFile(second.backupPath()), gameProfile("MultiMesh.SkaarjVoice"));
}

void TestStartup::failedBackupIsReportedOnce() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    QVERIFY(QDir(profile.dir()).mkdir(u"kvuser1.bak"_s));
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    QCOMPARE(interaction.messages,
             QList<MessageRequest>{plainMessage(u"Error could not make backup of your kvuser.ini"_s)});
    QCOMPARE(tool.allKeys().count(), 86);

    // The folder in the backup's place is no plausible backup.
    interaction.messages.clear();
    tool.Restore_ini_Click();
    QCOMPARE(interaction.messages, QList<MessageRequest>{plainMessage(defect)});
}

void TestStartup::restoreRightAfterStart() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "F5=Jump\r\n"));
    const QByteArray original = profile.read();
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));

    ProfileFile(profile.path()).WriteEntry(u"Engine.Input"_s, u"F5"_s, u"speech 3 5 -1"_s);
    tool.RefreshAll();
    QCOMPARE(tool.usedSpeechKeys().count(), 1);

    int refreshedAfterMessage = -1;
    tool.setChangeObserver(
        [&](const ActionOutcome&) { refreshedAfterMessage = static_cast<int>(tool.usedSpeechKeys().count()); });
    tool.Restore_ini_Click();
    QCOMPARE(interaction.messages, QList<MessageRequest>{plainMessage(restoring)});
    QCOMPARE(profile.read(), original);
    QCOMPARE(refreshedAfterMessage, 0);
    QCOMPARE(tool.allKeys().items().at(tool.allKeys().items().indexOf(u"F5: Jump"_s)), u"F5: Jump"_s);
}

void TestStartup::restoreChecksBackupSize_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("restored");

    QTest::newRow("empty") << 0 << false;
    QTest::newRow("10 bytes") << 10 << false;
    QTest::newRow("11 bytes") << 11 << true;
    QTest::newRow("1024 bytes") << 1024 << true;
    QTest::newRow("5000 bytes") << 5000 << true;
    QTest::newRow("10240 bytes") << 10240 << true;
    QTest::newRow("the game's default profile size") << 10092 << true;
}

void TestStartup::restoreChecksBackupSize() {
    QFETCH(int, size);
    QFETCH(bool, restored);

    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    const QByteArray backup = profileOfSize(size);
    writeFile(tool.backupPath(), backup);
    const QByteArray current = profile.read();

    tool.Restore_ini_Click();
    QCOMPARE(interaction.messages, QList<MessageRequest>{plainMessage(restored ? restoring : defect)});
    QCOMPARE(profile.read(), restored ? backup : current);
}

void TestStartup::restoreWithDeletedBackup() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    QVERIFY(QFile::remove(tool.backupPath()));
    const QByteArray current = profile.read();
    tool.Restore_ini_Click();
    QCOMPARE(interaction.messages, QList<MessageRequest>{plainMessage(defect)});
    QCOMPARE(profile.read(), current);
}

void TestStartup::restoreRefusesBackupWithoutSection_data() {
    QTest::addColumn<QByteArray>("backup");
    static const char binary[] = "\x00\x01\x02\xFF\xFE\x80\x00\x00 binary junk \x7F";
    QTest::newRow("binary") << QByteArray(binary, sizeof binary - 1);
    QTest::newRow("cut off before the first section") << QByteArray("; Profile written by the game\r\nKey=1");
}

void TestStartup::restoreRefusesBackupWithoutSection() {
    QFETCH(QByteArray, backup);
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    writeFile(tool.backupPath(), backup);
    const QByteArray current = profile.read();
    tool.Restore_ini_Click();
    QCOMPARE(interaction.messages, QList<MessageRequest>{plainMessage(defect)});
    QCOMPARE(profile.read(), current);
}

// A backup that already holds the profile's bytes is left as it is.
void TestStartup::sameBackupIsNotRewritten() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    ScriptedInteraction interaction;
    SpeechTool first(interaction);
    QVERIFY(startUp(first, interaction, {profile.dir()}, u"/"_s));
    const QDateTime modified = QFileInfo(first.backupPath()).fileTime(QFileDevice::FileModificationTime);
    QThread::msleep(20);
    SpeechTool second(interaction);
    QVERIFY(startUp(second, interaction, {profile.dir()}, u"/"_s));
    QCOMPARE(QFileInfo(second.backupPath()).fileTime(QFileDevice::FileModificationTime), modified);
    QVERIFY(interaction.messages.isEmpty());
}

void TestStartup::restoreIntoReadOnlyProfile() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    writeFile(tool.backupPath(), gameProfile("MultiMesh.SkaarjVoice"));
    const QByteArray current = profile.read();

#ifdef Q_OS_WIN
    QSKIP("needs chattr +i, which Windows does not have");
#endif
    QCOMPARE(QProcess::execute(u"chattr"_s, {u"+i"_s, profile.path()}), 0);
    tool.Restore_ini_Click();
    QProcess::execute(u"chattr"_s, {u"-i"_s, profile.path()});

    QCOMPARE(profile.read(), current);
    QCOMPARE(interaction.messages.size(), 1);
    QCOMPARE(interaction.messages.first().icon, MessageIcon::Critical);
    QVERIFY(interaction.messages.first().text.contains(u"not Restored"_s));
    QVERIFY(!interaction.messages.first().text.contains(restoring));
}

void TestStartup::restoringTwiceGivesStartState() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "F5=Jump\r\n"));
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    const QByteArray atStart = profile.read();
    const QStringList keysAtStart = tool.allKeys().items();

    for (int round = 0; round < 2; ++round) {
        tool.chooseVoicepack(static_cast<int>(tool.voicepack().items().indexOf(u"Marines Voicepack"_s)));
        ProfileFile(profile.path()).WriteEntry(u"Engine.Input"_s, u"F6"_s, u"speech 3 1 -1"_s);
        tool.Restore_ini_Click();
        QCOMPARE(profile.read(), atStart);
        QCOMPARE(tool.voicepack().text(), u"Unreal Tournament Boss Voice"_s);
        QCOMPARE(tool.allKeys().items(), keysAtStart);
    }
}

void TestStartup::profileBesideLinkThenTarget() {
#ifdef Q_OS_WIN
    QSKIP("symbolic links and a POSIX PATH are what a Linux start goes through");
#endif
    QTemporaryDir root;
    const QString link = root.filePath(u"link"_s);
    const QString target = root.filePath(u"target"_s);
    QVERIFY(QDir().mkdir(link) && QDir().mkdir(target));
    const QString program = target + u"/parlomatic"_s;
    writeFile(program, "#!/bin/sh\n");
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(QFile::link(program, link + u"/parlomatic"_s));

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(link));
    QCOMPARE(programFolders(link + u"/parlomatic"_s, target), (QStringList{link, target}));
    QCOMPARE(programFolders(u"parlomatic"_s, target), (QStringList{link, target})); // found in PATH
    QCOMPARE(programFolders(u"no-such-program"_s, target), QStringList{target});
    qputenv("PATH", path);
    QCOMPARE(programFolders(program, target), QStringList{target});

    // kvuser.ini beside the link wins; without one there, the target's is used.
    writeFile(target + u"/kvuser.ini"_s, gameProfile("BotPack.VoiceBoss"));
    for (const QString& expected : {target, link}) {
        if (expected == link)
            writeFile(link + u"/kvuser.ini"_s, gameProfile("BotPack.VoiceBoss"));
        ScriptedInteraction interaction;
        SpeechTool tool(interaction);
        QVERIFY(startUp(tool, interaction, {link, target}, u"/"_s));
        QCOMPARE(tool.profilePath(), expected + u"/kvuser.ini"_s);
    }
}

void TestStartup::browseFromChooserIsRemembered() {
    TempProfile picked(gameProfile("BotPack.VoiceBoss"));
    QTemporaryDir dir;
    QSettings memory(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    const QList<FoundProfile> found{{dir.filePath(u"a/kvuser.ini"_s), u"Steam"_s, {}},
                                    {dir.filePath(u"b/kvuser.ini"_s), u"Wine prefix"_s, {}}};
    ScriptedInteraction interaction;
    interaction.fileAnswers = {picked.path()};
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, LocateSteps{{dir.path()}, {}, &memory, [&] { return found; }}, u"/"_s));

    QCOMPARE(interaction.profileChoices, QList<QList<FoundProfile>>{found});
    QCOMPARE(interaction.fileDialogs.size(), 1);
    QCOMPARE(tool.profilePath(), picked.path());
    QCOMPARE(rememberedProfile(memory), picked.path());
}

void TestStartup::missingCommandLineProfileIsRefused() {
    QTemporaryDir dir;
    QSettings memory(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    const QString missing = dir.filePath(u"typo.ini"_s);
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(!startUp(tool, interaction, LocateSteps{{dir.path()}, missing, &memory, {}}, u"/"_s));

    QCOMPARE(interaction.messages.size(), 1);
    QCOMPARE(interaction.messages.constFirst().text, u"no such profile: "_s + QDir::toNativeSeparators(missing));
    QVERIFY(interaction.fileDialogs.isEmpty());
    QVERIFY(rememberedProfile(memory).isEmpty());
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_Startup.moc"

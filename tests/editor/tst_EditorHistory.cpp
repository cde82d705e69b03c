// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SpeechTool.h"
#include "profile/Backup.h"
#include "support/ScriptedInteraction.h"
#include "support/StartedTool.h"
#include "support/TempProfile.h"

#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

QString value(const TempProfile& profile, const QString& section, const QString& key) {
    return ProfileFile(profile.path()).ReadEntry(section, key, u"<missing>"_s, 200);
}

// The main window's logic with a history, started on a profile of the Boss voicepack.
struct RecordedTool {
    QTemporaryDir data;
    TempProfile profile;
    ScriptedInteraction interaction;
    ChangeRecorder recorder{ChangeHistory(data.filePath(u"history"_s)), ChangeSource::Window};
    SpeechTool tool{interaction};

    explicit RecordedTool(const QByteArray& inputLines) : profile(gameProfile("BotPack.VoiceBoss", inputLines)) {
        tool.setRecorder(&recorder);
        QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    }

    ActionOutcome assign(const QString& taunt, const QString& key) {
        tool.selectTaunt(static_cast<int>(tool.all_taunts().items().indexOf(taunt)));
        const auto item = std::ranges::find_if(tool.allKeys().items(),
                                               [&](const QString& each) { return each.startsWith(key + u": "_s); });
        tool.selectKey(static_cast<int>(item - tool.allKeys().items().begin()));
        return tool.assignSpeech_Click();
    }

    ActionOutcome remove(const QString& key) {
        const auto item = std::ranges::find_if(tool.usedSpeechKeys().items(),
                                               [&](const QString& each) { return each.startsWith(key + u": "_s); });
        tool.selectUsedKey(static_cast<int>(item - tool.usedSpeechKeys().items().begin()));
        return tool.removeSpeechBinding_Click();
    }
};

} // namespace

class TestEditorHistory : public QObject {
    Q_OBJECT

private slots:
    void replacedCommandCanBePutBack_data();
    void replacedCommandCanBePutBack();
    void undoStepsBackAndAsksAboutLaterChanges();
    void restoreAndOriginalAreUndoable();
    void emptyProfileKeepsTheGoodBackup();
};

// The question says what is lost; removing the taunt offers the command back.
void TestEditorHistory::replacedCommandCanBePutBack_data() {
    QTest::addColumn<MessageAnswer>("putBack");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("description");
    QTest::newRow("Yes") << MessageAnswer::Yes << u"Fire"_s << u"LeftMouse: Fire put back"_s;
    QTest::newRow("No") << MessageAnswer::No << QString() << u"LeftMouse no longer says \"Roger\""_s;
}

void TestEditorHistory::replacedCommandCanBePutBack() {
    QFETCH(MessageAnswer, putBack);
    QFETCH(QString, after);
    QFETCH(QString, description);
    RecordedTool s("LeftMouse=Fire\r\n");
    s.interaction.messageAnswers = {MessageAnswer::Yes, putBack};
    const ActionOutcome assigned = s.assign(u"Roger"_s, u"LeftMouse"_s);
    QCOMPARE(assigned.kind, ActionOutcome::Written);
    QCOMPARE(assigned.description, u"LeftMouse now says \"Roger\""_s);
    QCOMPARE(s.interaction.messages.at(0).text,
             u"LeftMouse is bound to Fire. Replace it with the taunt \"Roger\"? LeftMouse will no longer Fire."_s);

    const ActionOutcome removed = s.remove(u"LeftMouse"_s);
    QCOMPARE(s.interaction.messages.at(1).text, u"Put Fire back on LeftMouse?"_s);
    QCOMPARE(s.interaction.messages.at(1).defaultButton, MessageAnswer::Yes);
    QCOMPARE(removed.description, description);
    QCOMPARE(value(s.profile, u"Engine.Input"_s, u"LeftMouse"_s), after);
}

void TestEditorHistory::undoStepsBackAndAsksAboutLaterChanges() {
    RecordedTool s("F7=\r\n");
    s.assign(u"Roger"_s, u"F7"_s);
    s.assign(u"Got it"_s, u"F8"_s);
    const ActionOutcome undone = s.tool.undoLatest();
    QCOMPARE(undone.description, u"Undid: F8 now says \"Got it\""_s);
    QCOMPARE(value(s.profile, u"Engine.Input"_s, u"F8"_s), u"<missing>"_s); // the entry was absent
    QCOMPARE(value(s.profile, u"Engine.Input"_s, u"F7"_s), u"speech 0 1 -1"_s);

    // F7 changed since by another program: undo names it and asks; No changes nothing.
    ProfileFile(s.profile.path()).WriteEntry(u"Engine.Input"_s, u"F7"_s, u"Jump"_s);
    s.interaction.messageAnswers = {MessageAnswer::No};
    QCOMPARE(s.tool.undoLatest().kind, ActionOutcome::Cancelled);
    QCOMPARE(s.interaction.messages.constLast().text,
             u"These entries changed since: F7 (now \"Jump\"). Undo anyway? Their values now would be lost."_s);
    QCOMPARE(value(s.profile, u"Engine.Input"_s, u"F7"_s), u"Jump"_s);
    s.interaction.messageAnswers = {MessageAnswer::Yes};
    QCOMPARE(s.tool.undoLatest().kind, ActionOutcome::Written);
    QCOMPARE(value(s.profile, u"Engine.Input"_s, u"F7"_s), QString());

    // Every change is undone now: nothing more to take back.
    QCOMPARE(s.tool.undoLatest().kind, ActionOutcome::Refused);
    QCOMPARE(s.interaction.messages.constLast().text, u"There is no change of Parlomatic to undo."_s);
}

void TestEditorHistory::restoreAndOriginalAreUndoable() {
    RecordedTool s("F5=Jump\r\n");
    const QByteArray original = s.profile.read();
    s.assign(u"Roger"_s, u"F7"_s);
    const QByteArray bound = s.profile.read();
    QVERIFY(putFile(s.tool.backupPath(), gameProfile("BotPack.VoiceBoss", "F5=Duck\r\n")));
    QVERIFY(s.tool.Restore_ini_Click().description.startsWith(u"Restored kvuser1.bak from "_s));
    QCOMPARE(value(s.profile, u"Engine.Input"_s, u"F5"_s), u"Duck"_s);
    QCOMPARE(s.tool.undoLatest().kind, ActionOutcome::Written);
    QCOMPARE(s.profile.read(), bound);

    QCOMPARE(s.tool.restoreOriginal().description, SpeechTool::originalRestoredText());
    QCOMPARE(s.profile.read(), original);
    s.tool.undoLatest();
    QCOMPARE(s.profile.read(), bound);
}

// The game crashed while saving and left an empty profile: starting must not
// copy it over the good backup, which the restore then brings back.
void TestEditorHistory::emptyProfileKeepsTheGoodBackup() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    const QByteArray good = profile.read();
    QCOMPARE(MakeBackup(profile.path(), backupPathFor(profile.path())).outcome, BackupMade::Made);
    profile.write({});
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    QCOMPARE(interaction.messages.at(0).text,
             u"Error could not make backup of your kvuser.ini\nYour kvuser.ini looks damaged (empty, without a "
             u"section or not text), so the backup kvuser1.bak was kept as it is."_s);
    QCOMPARE(TempProfile::readFile(tool.backupPath()), good);
    tool.Restore_ini_Click();
    QCOMPARE(profile.read(), good);
}

QTEST_GUILESS_MAIN(TestEditorHistory)
#include "tst_EditorHistory.moc"

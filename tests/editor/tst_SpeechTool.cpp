// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/KeyNameTable.h"
#include "catalogue/TauntTable.h"
#include "catalogue/VoicePackCatalogue.h"
#include "editor/KeyBinding.h"
#include "editor/SpeechTool.h"
#include "profile/ProfileFile.h"
#include "support/StartedTool.h"

#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

QString column(const QString& text) {
    return text.leftJustified(30, QLatin1Char(' '), true);
}
QString blanks() {
    return QString(30, QLatin1Char(' '));
}

QString readValue(const TempProfile& profile, const QString& section, const QString& key) {
    return ProfileFile(profile.path()).ReadEntry(section, key, QStringLiteral("<missing>"), 65536);
}

int indexOfKey(const SpeechTool& tool, const QString& key) {
    const QStringList& items = tool.allKeys().items();
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].startsWith(key + QStringLiteral(": ")))
            return i;
    }
    return -1;
}

QString keyItem(const SpeechTool& tool, const QString& key) {
    const int index = indexOfKey(tool, key);
    return index < 0 ? QString() : tool.allKeys().items().at(index);
}

// A started tool with the selections the tests make.
struct Started : StartedTool {
    using StartedTool::StartedTool;

    void select(const QString& taunt, const QString& key) {
        tool.selectTaunt(static_cast<int>(tool.all_taunts().items().indexOf(taunt)));
        tool.selectKey(indexOfKey(tool, key));
    }
};

} // namespace

class TestSpeechTool : public QObject {
    Q_OBJECT

private slots:
    void recognisesVoicepack_data();
    void recognisesVoicepack();
    void unknownVoiceKeepsCurrentTaunts();
    void bindingColumns_data();
    void bindingColumns();
    void everyListHoldsEachEntryOnce_data();
    void everyListHoldsEachEntryOnce();
    void assignWritesBinding_data();
    void assignWritesBinding();
    void assignNeedsBothSelections_data();
    void assignNeedsBothSelections();
    void assignTakesKeyBeforeFirstColon();
    void assignAsksBeforeReplacingCommand();
    void assignReportsFailedWrite();
    void refreshStaysSilentOnReadOnlyProfile();
    void eraseAnsweredNoChangesNothing();
    void eraseEmptiesSpeechBindingsOnly();
    void eraseWithoutSpeechBindingsWritesNothing();
    void choosingVoicepack_data();
    void choosingVoicepack();
    void choosingCurrentVoicepackDoesNotRebuild();
    void choosingNoVoicepackWritesNothing();
    void noteShownAfterProfileChangedUnderneath();
    void noteShownOnceWhileProfileIsReadAgain();
    void voicepackChoiceListsKeyChanges_data();
    void voicepackChoiceListsKeyChanges();
    void switchingProfile_data();
    void switchingProfile();
    void actionsSayWhatTheyDid_data();
    void actionsSayWhatTheyDid();
    void failedChoiceShowsNoNote();
    void refreshSeesInPlaceRewriteByAnotherProgram();
    void captionsAfterStart_data();
    void captionsAfterStart();
    void splashUnloadResetsProductLine();
    void outsideChangeKeepsSelections();
    void realProfiles_data();
    void realProfiles();
};

void TestSpeechTool::recognisesVoicepack_data() {
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QString>("firstEntry");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("voiceAfter");

    QTest::newRow("missing") << QByteArray() << "No voicepack selected" << 16 << "<missing>";
    QTest::newRow("lower case") << QByteArray("botpack.voicemaleone") << "Unreal Tournament Male Nr1" << 15
                                << "Botpack.VoiceMaleOne";
    QTest::newRow("upper case") << QByteArray("BOTPACK.VOICEBOSS") << "Unreal Tournament Boss Voice" << 15
                                << "BotPack.VoiceBoss";
    QTest::newRow("continues after class path")
        << QByteArray("Botpack.VoiceMaleOneX") << "Unreal Tournament Male Nr1" << 15 << "Botpack.VoiceMaleOne";
    QTest::newRow("shorter than class path")
        << QByteArray("Botpack.VoiceMale") << "No voicepack selected" << 16 << "Botpack.VoiceMale";
    QTest::newRow("unknown") << QByteArray("SomePack.SomeVoice") << "No voicepack selected" << 16
                             << "SomePack.SomeVoice";
    QTest::newRow("longest class path") << QByteArray("commandovoice2.commandovoice1") << "KV Commando2 Voicepack" << 15
                                        << "commandovoice2.commandovoice1";
}

void TestSpeechTool::recognisesVoicepack() {
    QFETCH(QByteArray, voice);
    QFETCH(QString, firstEntry);
    QFETCH(int, entries);
    QFETCH(QString, voiceAfter);

    Started s(gameProfile(voice, "F5=speech 3 5 -1\r\n"));
    QCOMPARE(s.tool.voicepack().count(), entries);
    QCOMPARE(s.tool.voicepack().items().first(), firstEntry);
    QCOMPARE(s.tool.voicepack().selectedIndex(), 0);
    QCOMPARE(readValue(s.profile, QStringLiteral("DefaultPlayer"), QStringLiteral("Voice")), voiceAfter);
    // The other entries follow in catalogue order.
    QStringList rest;
    for (const VoicePackInfo& info : VoicePackCatalogue()) {
        if (info.displayName != firstEntry)
            rest.append(info.displayName);
    }
    QCOMPARE(s.tool.voicepack().items().mid(1), rest);
    const bool found = entries == 15;
    QCOMPARE(s.tool.allKeys().count(), found ? keyNameCount : 0);
    QCOMPARE(s.tool.all_taunts().count() > 0, found);
    QCOMPARE(s.tool.usedSpeechKeys().count(), found ? 1 : 0);
    QVERIFY(s.interaction.messages.isEmpty());
}

void TestSpeechTool::unknownVoiceKeepsCurrentTaunts() {
    Started s(gameProfile("DR_BOSS.DR_BOSS"));
    QCOMPARE(s.tool.currentTaunts().lastSlot(), 60);
    ProfileFile(s.profile.path())
        .WriteEntry(QStringLiteral("DefaultPlayer"), QStringLiteral("Voice"), QStringLiteral("Other.Voice"));
    s.tool.RefreshAll();
    QCOMPARE(s.tool.currentTaunts().lastSlot(), 60);
    QCOMPARE(s.tool.currentTaunts().slot(60), TauntTableFor(12).entries.at(60));
    QVERIFY(s.tool.all_taunts().items().isEmpty());

    // Voicepack 13 after 12: only its 15 taunts are listed.
    ProfileFile(s.profile.path())
        .WriteEntry(QStringLiteral("DefaultPlayer"), QStringLiteral("Voice"),
                    QStringLiteral("DaggetPackage.VoiceDagget"));
    s.tool.RefreshAll();
    QCOMPARE(s.tool.all_taunts().count(), 15);
    QCOMPARE(s.tool.currentTaunts().slot(20), TauntTableFor(12).entries.at(20));
}

void TestSpeechTool::bindingColumns_data() {
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("used");

    const QByteArray male1 = "Botpack.VoiceMaleOne";
    QTest::newRow("label filled") << male1 << QByteArray("F5=speech 3 5 -1") << u"F5: "_s + column(u"Lets rock!"_s)
                                  << true;
    QTest::newRow("Speech") << male1 << QByteArray("F5=Speech 3 5 -1") << u"F5: "_s + column(u"Lets rock!"_s) << true;
    QTest::newRow("SPEECH") << male1 << QByteArray("F5=SPEECH 3 5 -1") << u"F5: "_s + column(u"Lets rock!"_s) << true;
    QTest::newRow("sPeech") << male1 << QByteArray("F5=sPeech 3 5 -1") << u"F5: "_s + blanks() << false;
    QTest::newRow("two-digit index") << male1 << QByteArray("F5=speech 4 12 -1")
                                     << u"F5: "_s + column(u"Enemy flag carrier is here"_s) << true;
    QTest::newRow("leading zero") << male1 << QByteArray("F5=speech 4 05 -1") << u"F5: "_s + column(u"Man down!"_s)
                                  << true;
    QTest::newRow("no such slot") << male1 << QByteArray("F5=speech 3 25 -1") << u"F5: "_s + blanks() << false;
    QTest::newRow("placeholders only") << QByteArray("BotPack.VoiceFemaleOne") << QByteArray("F5=speech 9 9 -1")
                                       << u"F5: "_s + blanks() << false;
    QTest::newRow("bare speech") << male1 << QByteArray("F5=speech") << u"F5: "_s + blanks() << false;
    QTest::newRow("speech x") << male1 << QByteArray("F5=speech x") << u"F5: "_s + blanks() << false;
    QTest::newRow("speech 3") << male1 << QByteArray("F5=speech 3") << u"F5: "_s + blanks() << false;
    QTest::newRow("missing entry") << male1 << QByteArray() << u"F5: "_s + blanks() << false;
    QTest::newRow("empty value") << male1 << QByteArray("F5=") << u"F5: "_s << false;
    QTest::newRow("game command") << male1 << QByteArray("F5=Jump") << u"F5: Jump"_s << false;
    QTest::newRow("long value cut at 29") << male1 << QByteArray("F5=say 1234567890123456789012345678901234567890")
                                          << u"F5: say 1234567890123456789012345"_s << false;
    QTest::newRow("label cut at 30") << QByteArray("DR_BOSS.DR_BOSS") << QByteArray("F5=speech 3 12 -1")
                                     << u"F5: So schlecht spielen nur Nvidia"_s << true;
    QTest::newRow("other voicepack's taunt")
        << QByteArray("DaggetPackage.VoiceDagget") << QByteArray("F5=speech 4 5 -1") << u"F5: "_s + blanks() << false;
}

void TestSpeechTool::bindingColumns() {
    QFETCH(QByteArray, voice);
    QFETCH(QByteArray, line);
    QFETCH(QString, item);
    QFETCH(bool, used);

    Started s(gameProfile(voice, line.isEmpty() ? QByteArray() : line + "\r\n"));
    QCOMPARE(keyItem(s.tool, QStringLiteral("F5")), item);
    QCOMPARE(s.tool.usedSpeechKeys().items(), used ? QStringList{item} : QStringList{});
}

void TestSpeechTool::everyListHoldsEachEntryOnce_data() {
    QTest::addColumn<QByteArray>("voice");
    QTest::newRow("voicepack found") << QByteArray("multimesh.skaarjvoice");
    QTest::newRow("none found") << QByteArray();
}

void TestSpeechTool::everyListHoldsEachEntryOnce() {
    QFETCH(QByteArray, voice);
    Started s(gameProfile(voice, "F5=speech 3 5 -1\r\nF6=speech 3 5 -1\r\n"));
    for (const ListModel* list : {&s.tool.voicepack(), &s.tool.allKeys(), &s.tool.usedSpeechKeys()}) {
        const QSet<QString> distinct(list->items().cbegin(), list->items().cend());
        QCOMPARE(distinct.size(), list->count());
    }
    QCOMPARE(s.tool.voicepack().count(), voice.isEmpty() ? 16 : 15);
    if (!voice.isEmpty()) {
        QCOMPARE(s.tool.all_taunts().count(), 53);
        QCOMPARE(s.tool.allKeys().count(), keyNameCount);
        QCOMPARE(s.tool.usedSpeechKeys().count(), 2);
    }
    QCOMPARE(s.tool.mytest(), s.tool.voicepack().text());
}

void TestSpeechTool::assignWritesBinding_data() {
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QString>("taunt");
    QTest::addColumn<QString>("binding");

    QTest::newRow("plain") << QByteArray("Botpack.VoiceMaleOne") << "Lets rock!"
                           << "speech 3 5 -1";
    QTest::newRow("same label twice: last slot wins") << QByteArray("Botpack.VoiceMaleOne") << "I've got the flag"
                                                      << "speech 4 8 -1";
    QTest::newRow("padded to 24") << QByteArray("grunt1package.Voicegrunt1")
                                  << u"got him"_s.leftJustified(24, QLatin1Char(' ')) << "speech 3 4 -1";
    QTest::newRow("padded to 23") << QByteArray("grunt1package.Voicegrunt1")
                                  << u"got him"_s.leftJustified(23, QLatin1Char(' ')) << "speech 3 14 -1";
    QTest::newRow("german") << QByteArray("DR_BOSS.DR_BOSS") << u"Ich benötige Unterstützung"_s << "speech 4 13 -1";
}

void TestSpeechTool::assignWritesBinding() {
    QFETCH(QByteArray, voice);
    QFETCH(QString, taunt);
    QFETCH(QString, binding);

    Started s(gameProfile(voice, "F5=Jump\r\n"));
    s.select(taunt, QStringLiteral("F5"));
    QCOMPARE(s.tool.all_taunts().text(), taunt);
    s.interaction.messageAnswers = {MessageAnswer::Yes};
    s.tool.assignSpeech_Click();

    QCOMPARE(s.interaction.messages.size(), 1); // the question whether to replace Jump
    QCOMPARE(readValue(s.profile, QStringLiteral("Engine.Input"), QStringLiteral("F5")), binding);
    QCOMPARE(keyItem(s.tool, QStringLiteral("F5")), u"F5: "_s + column(taunt));
    QVERIFY(s.tool.usedSpeechKeys().items().contains(u"F5: "_s + column(taunt)));
    // The refresh cleared the key; the taunt stays for a second key.
    QCOMPARE(s.tool.all_taunts().text(), taunt);
    QCOMPARE(s.tool.allKeys().selectedIndex(), -1);
}

void TestSpeechTool::assignNeedsBothSelections_data() {
    QTest::addColumn<bool>("taunt");
    QTest::addColumn<bool>("key");
    QTest::newRow("neither") << false << false;
    QTest::newRow("taunt only") << true << false;
    QTest::newRow("key only") << false << true;
}

void TestSpeechTool::assignNeedsBothSelections() {
    QFETCH(bool, taunt);
    QFETCH(bool, key);

    Started s(gameProfile("Botpack.VoiceMaleOne"));
    const QByteArray before = s.profile.read();
    if (taunt)
        s.tool.selectTaunt(0);
    if (key)
        s.tool.selectKey(indexOfKey(s.tool, QStringLiteral("F5")));
    s.tool.assignSpeech_Click();

    QCOMPARE(s.interaction.messages.size(), 1);
    QCOMPARE(s.interaction.messages.first(),
             (MessageRequest{u"Select a Speech and a key first"_s, u"Error"_s, MessageIcon::None, MessageButtons::Ok,
                             MessageAnswer::Ok}));
    // Only the refresh's own rewrite of Voice may touch the file, and it writes the same bytes.
    QCOMPARE(s.profile.read(), before);
    QCOMPARE(s.tool.all_taunts().selectedIndex(), taunt ? 0 : -1);
    QCOMPARE(s.tool.allKeys().count(), keyNameCount);
}

void TestSpeechTool::assignTakesKeyBeforeFirstColon() {
    Started s(gameProfile("Botpack.VoiceMaleOne", "F5=say hello: world\r\n"));
    QCOMPARE(keyItem(s.tool, QStringLiteral("F5")), u"F5: say hello: world"_s);
    s.select(QStringLiteral("Boom!"), QStringLiteral("F5"));
    s.interaction.messageAnswers = {MessageAnswer::Yes};
    s.tool.assignSpeech_Click();
    QCOMPARE(readValue(s.profile, QStringLiteral("Engine.Input"), QStringLiteral("F5")), u"speech 3 3 -1"_s);
}

void TestSpeechTool::assignAsksBeforeReplacingCommand() {
    const QString boom = u"speech 3 3 -1"_s;
    const QString longCommand = u"say 1234567890123456789012345678901234567890"_s;
    // F5's value, the answer, F5 afterwards: only a command is asked about, and named in full.
    const std::tuple<QString, MessageAnswer, QString> cases[] = {{QString(), MessageAnswer::No, boom},
                                                                 {u"speech 4 1 -1"_s, MessageAnswer::No, boom},
                                                                 {longCommand, MessageAnswer::No, longCommand},
                                                                 {u"Fire"_s, MessageAnswer::Yes, boom}};
    for (const auto& [value, answer, after] : cases) {
        Started s(gameProfile("Botpack.VoiceMaleOne", "F5=" + value.toLatin1() + "\r\n"));
        s.select(u"Boom!"_s, u"F5"_s);
        s.interaction.messageAnswers = {answer};
        s.tool.assignSpeech_Click();
        const QList<MessageRequest> question{{u"F5 is bound to %1. Replace it with the taunt \"Boom!\"? F5 will no "
                                              u"longer %1."_s.arg(value),
                                              u"Parlomatic"_s, MessageIcon::None, MessageButtons::YesNo,
                                              MessageAnswer::No}};
        QCOMPARE(s.interaction.messages, isGameCommand(value) ? question : QList<MessageRequest>());
        QCOMPARE(readValue(s.profile, u"Engine.Input"_s, u"F5"_s), after);
    }
}

void TestSpeechTool::assignReportsFailedWrite() {
    Started s(gameProfile("Botpack.VoiceMaleOne", "F5=Jump\r\n"));
    s.select(QStringLiteral("Boom!"), QStringLiteral("F5"));
    const QByteArray before = s.profile.read();
    // A folder in the file's place: the write cannot replace it.
    const QString path = s.profile.path();
    QVERIFY(QFile::rename(path, path + u".moved"_s));
    QVERIFY(QDir().mkdir(path));
    s.tool.assignSpeech_Click();
    QCOMPARE(s.interaction.messages.size(), 1);
    QCOMPARE(s.interaction.messages.first().icon, MessageIcon::Critical);
    // Shown with the platform's separators, though given with slashes.
    QVERIFY(s.interaction.messages.first().text.contains(QDir::toNativeSeparators(path)));
    QVERIFY(QDir().rmdir(path));
    QCOMPARE(TempProfile::readFile(path + u".moved"_s), before);
    // The refresh ran and found no profile.
    QCOMPARE(s.tool.voicepack().text(), u"No voicepack selected"_s);
}

void TestSpeechTool::refreshStaysSilentOnReadOnlyProfile() {
#ifdef Q_OS_WIN
    QSKIP("needs chattr +i, which Windows does not have");
#endif
    TempProfile profile(gameProfile("botpack.voicemaleone"));
    QVERIFY(QProcess::execute(u"chattr"_s, {u"+i"_s, profile.path()}) == 0);
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    tool.setProfilePath(profile.path());
    tool.RefreshAll();
    tool.RefreshAll();
    QProcess::execute(u"chattr"_s, {u"-i"_s, profile.path()});
    QVERIFY(interaction.messages.isEmpty());
    QCOMPARE(tool.voicepack().text(), u"Unreal Tournament Male Nr1"_s);
    QCOMPARE(profile.read(), gameProfile("botpack.voicemaleone"));
}

void TestSpeechTool::eraseAnsweredNoChangesNothing() {
    Started s(gameProfile("Botpack.VoiceMaleOne", "F5=speech 3 5 -1\r\n"));
    const QByteArray before = s.profile.read();
    s.interaction.messageAnswers = {MessageAnswer::No};
    s.tool.selectTaunt(0);
    s.tool.erase_speech_Click();
    QCOMPARE(s.interaction.messages.size(), 1);
    QCOMPARE(s.interaction.messages.first(),
             (MessageRequest{u"Really delete all voice entrys in your KVuser.ini?"_s, u"Parlomatic"_s,
                             MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::No}));
    QCOMPARE(s.profile.read(), before);
    QCOMPARE(s.tool.all_taunts().selectedIndex(), -1); // refreshed all the same
}

void TestSpeechTool::eraseEmptiesSpeechBindingsOnly() {
    Started s(gameProfile("Botpack.VoiceMaleOne", "F5=speech 3 5 -1\r\nF6=SPEECH 0 1 -1\r\nF7=Speech 2 4 -1\r\n"
                                                  "F8=sPeech 3 5 -1\r\nF9=Jump\r\nZ=speech 4 3 -1\r\n"
                                                  "GreyStar=speech 9 9 -1\r\n"));
    QByteArray expected = s.profile.read();
    s.interaction.messageAnswers = {MessageAnswer::Yes};
    s.tool.erase_speech_Click();

    // Y is not among the known keys: its line stays, like every other non-speech line.
    ProfileFile file(s.profile.path());
    for (const char* key : {"F5", "F6", "F7", "Z", "GreyStar"})
        QCOMPARE(file.ReadEntry(u"Engine.Input"_s, QString::fromLatin1(key), u"<missing>"_s, 100), QString());
    QCOMPARE(file.ReadEntry(u"Engine.Input"_s, u"F8"_s, {}, 100), u"sPeech 3 5 -1"_s);
    QCOMPARE(file.ReadEntry(u"Engine.Input"_s, u"F9"_s, {}, 100), u"Jump"_s);
    expected.replace("F5=speech 3 5 -1", "F5=")
        .replace("F6=SPEECH 0 1 -1", "F6=")
        .replace("F7=Speech 2 4 -1", "F7=")
        .replace("Z=speech 4 3 -1", "Z=")
        .replace("GreyStar=speech 9 9 -1", "GreyStar=");
    QCOMPARE(s.profile.read(), expected);
    QVERIFY(s.tool.usedSpeechKeys().items().isEmpty());
    QCOMPARE(keyItem(s.tool, QStringLiteral("F5")), u"F5: "_s);
}

void TestSpeechTool::eraseWithoutSpeechBindingsWritesNothing() {
    Started s(gameProfile("Botpack.VoiceMaleOne", "F8=sPeech 3 5 -1\r\n"));
    const quint64 inode = s.profile.inode();
    // Keep the refresh from rewriting Voice, so any new inode comes from erasing.
    ProfileFile(s.profile.path()).WriteEntry(u"DefaultPlayer"_s, u"Voice"_s, u"Unknown.Voice"_s);
    const quint64 afterVoice = s.profile.inode();
    QVERIFY(afterVoice != inode);
    s.interaction.messageAnswers = {MessageAnswer::Yes};
    s.tool.erase_speech_Click();
    QCOMPARE(s.profile.inode(), afterVoice);
}

void TestSpeechTool::choosingVoicepack_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("classPath");
    QTest::addColumn<int>("taunts");
    QTest::addColumn<bool>("noteShown");

    QTest::newRow("with note") << "Skaarj Hybrid Voice"
                               << "MultiMesh.SkaarjVoice" << 53 << true;
    QTest::newRow("three-line note") << "DR.Boss Voicepack(german)"
                                     << "DR_BOSS.DR_BOSS" << 61 << true;
    QTest::newRow("without note") << "Marines Voicepack"
                                  << "MarinesPackage.VoiceMarines" << 40 << false;
}

void TestSpeechTool::choosingVoicepack() {
    QFETCH(QString, choice);
    QFETCH(QString, classPath);
    QFETCH(int, taunts);
    QFETCH(bool, noteShown);

    // Start-up with a voicepack that has a note shows no note.
    Started s(gameProfile("MultiMesh.naliVoice"));
    QVERIFY(s.interaction.messages.isEmpty());

    int notified = 0;
    s.tool.setChangeObserver([&notified](const ActionOutcome&) { ++notified; });
    s.tool.chooseVoicepack(static_cast<int>(s.tool.voicepack().items().indexOf(choice)));

    QCOMPARE(notified, 1);
    QCOMPARE(readValue(s.profile, u"DefaultPlayer"_s, u"Voice"_s), classPath);
    QCOMPARE(s.tool.voicepack().items().first(), choice);
    QCOMPARE(s.tool.voicepack().text(), choice);
    QCOMPARE(s.tool.voicepack().count(), 15);
    QCOMPARE(s.tool.all_taunts().count(), taunts);
    QCOMPARE(s.tool.allKeys().count(), keyNameCount);
    if (noteShown) {
        QCOMPARE(s.interaction.messages.size(), 1);
        const VoicePackInfo& info = *std::find_if(VoicePackCatalogue().begin(), VoicePackCatalogue().end(),
                                                  [&](const VoicePackInfo& i) { return i.displayName == choice; });
        QCOMPARE(s.interaction.messages.first(),
                 (MessageRequest{info.note, choice, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok}));
    } else {
        QVERIFY(s.interaction.messages.isEmpty());
    }
}

void TestSpeechTool::choosingCurrentVoicepackDoesNotRebuild() {
    Started s(gameProfile("MultiMesh.SkaarjVoice"));
    s.tool.selectTaunt(3);
    s.tool.chooseVoicepack(0);
    QVERIFY(s.interaction.messages.isEmpty());
    QCOMPARE(s.tool.all_taunts().selectedIndex(), 3); // no refresh
    QCOMPARE(readValue(s.profile, u"DefaultPlayer"_s, u"Voice"_s), u"MultiMesh.SkaarjVoice"_s);
    QCOMPARE(s.tool.caption(), u"Drovantis Parlomatic Tool v.0.4"_s);
}

void TestSpeechTool::choosingNoVoicepackWritesNothing() {
    Started s(gameProfile(""));
    const QByteArray before = s.profile.read();
    const quint64 inode = s.profile.inode();
    s.tool.chooseVoicepack(0);
    QCOMPARE(s.profile.inode(), inode);
    QCOMPARE(s.profile.read(), before);
    QVERIFY(s.interaction.messages.isEmpty());
    QCOMPARE(s.tool.voicepack().count(), 16);
}

void TestSpeechTool::noteShownAfterProfileChangedUnderneath() {
    Started s(gameProfile("Botpack.VoiceMaleOne"));
    ProfileFile(s.profile.path()).WriteEntry(u"DefaultPlayer"_s, u"Voice"_s, u"flanders.flanders"_s);
    s.tool.RefreshAll();
    QCOMPARE(s.interaction.messages.size(), 1);
    QCOMPARE(s.interaction.messages.first().title, u"Ned Flanders Voicepack"_s);
    QCOMPARE(s.tool.all_taunts().count(), 37);
    QCOMPARE(s.tool.voicepack().count(), 15);
}

void TestSpeechTool::noteShownOnceWhileProfileIsReadAgain() {
    // The window reads the profile again when it sees it changed, also while
    // the note is open: that read must not show the note a second time.
    Started s(gameProfile("Botpack.VoiceMaleOne"));
    s.interaction.whileMessageOpen = [&s] {
        s.interaction.whileMessageOpen = nullptr;
        s.tool.refreshKeepingSelections();
    };
    s.tool.chooseVoicepack(static_cast<int>(s.tool.voicepack().items().indexOf(u"Ned Flanders Voicepack"_s)));
    QCOMPARE(s.interaction.messages.size(), 1);
    QCOMPARE(s.interaction.messages.first().title, u"Ned Flanders Voicepack"_s);
    QCOMPARE(s.tool.all_taunts().count(), 37);
}

void TestSpeechTool::voicepackChoiceListsKeyChanges_data() {
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QByteArray>("bindings");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("Kelvanor to DR.Boss") << QByteArray("grunt1package.Voicegrunt1")
                                         << QByteArray("End=speech 0 0 -1\r\nF9=speech 3 0 -1\r\n")
                                         << u"DR.Boss Voicepack(german)"_s
                                         << QStringList{u"What your keys say now in DR.Boss Voicepack(german):"_s,
                                                        u"End: Affirmative → Bestätige"_s,
                                                        u"F9: die you enemy scum → Fühle meinen Zorn!"_s};
    QTest::newRow("says nothing now") << QByteArray("MarinesPackage.VoiceMarines") << QByteArray("F5=speech 0 3 -1\r\n")
                                      << u"Nali Voice"_s
                                      << QStringList{u"What your keys say now in Nali Voice:"_s,
                                                     u"F5: Ok,i will secure this area → (nothing)"_s};
    QTest::newRow("said nothing before") << QByteArray("MultiMesh.naliVoice") << QByteArray("F5=speech 0 3 -1\r\n")
                                         << u"Marines Voicepack"_s
                                         << QStringList{u"What your keys say now in Marines Voicepack:"_s,
                                                        u"F5: (nothing) → Ok,i will secure this area"_s};
    QTest::newRow("same words") << QByteArray("Botpack.VoiceMaleOne") << QByteArray("F5=speech 4 0 -1\r\n")
                                << u"Unreal Tournament Female Nr1"_s << QStringList();
    QTest::newRow("no speech bindings") << QByteArray("grunt1package.Voicegrunt1") << QByteArray("End=Jump\r\n")
                                        << u"Marines Voicepack"_s << QStringList();
}

void TestSpeechTool::voicepackChoiceListsKeyChanges() {
    QFETCH(QByteArray, voice);
    QFETCH(QByteArray, bindings);
    QFETCH(QString, choice);
    QFETCH(QStringList, shown);

    Started s(gameProfile(voice, bindings));
    const ActionOutcome outcome = s.tool.chooseVoicepack(static_cast<int>(s.tool.voicepack().items().indexOf(choice)));
    // The voicepack's own note comes first, when it has one.
    QList<MessageRequest> lists = s.interaction.messages;
    lists.removeIf([](const MessageRequest& m) { return !m.text.startsWith(u"What your keys say"_s); });
    if (shown.isEmpty()) {
        QVERIFY(lists.isEmpty());
        QCOMPARE(outcome.description, u"Voicepack: "_s + choice);
        return;
    }
    QCOMPARE(lists.size(), 1);
    QCOMPARE(s.interaction.messages.last().text, shown.join(u'\n'));
    const QString keys = shown.size() == 2 ? u"1 key says"_s : u"%1 keys say"_s.arg(shown.size() - 1);
    QCOMPARE(outcome.description, u"Voicepack: %1; %2 something else now"_s.arg(choice, keys));
}

void TestSpeechTool::switchingProfile_data() {
    QTest::addColumn<QList<int>>("chooserAnswers");
    QTest::addColumn<bool>("browse");
    QTest::addColumn<bool>("switched");

    QTest::newRow("one of those found") << QList<int>{1} << false << true;
    QTest::newRow("browse") << QList<int>{-1} << true << true;
    QTest::newRow("nothing chosen") << QList<int>{-1} << false << false;
}

void TestSpeechTool::switchingProfile() {
    QFETCH(QList<int>, chooserAnswers);
    QFETCH(bool, browse);
    QFETCH(bool, switched);

    Started s(gameProfile("Botpack.VoiceMaleOne"));
    const TempProfile other(gameProfile("DR_BOSS.DR_BOSS", "F5=speech 0 0 -1\r\n"));
    const QList<FoundProfile> found{{s.profile.path(), u"Steam"_s, {}}, {other.path(), u"Wine"_s, {}}};
    s.interaction.profileAnswers = chooserAnswers;
    if (browse)
        s.interaction.fileAnswers = {other.path()};
    QTemporaryDir settingsDir;
    QSettings memory(settingsDir.filePath(u"memory.ini"_s), QSettings::IniFormat);

    ProfileStartup startup(s.interaction);
    const ActionOutcome outcome =
        s.tool.switchProfile([&] { return startup.chooseAnother(found, other.dir(), &memory); });
    QCOMPARE(s.interaction.profileChoices, QList<QList<FoundProfile>>{found});
    QCOMPARE(s.interaction.fileDialogs.size(), chooserAnswers.first() < 0 ? 1 : 0);
    if (!switched) {
        QCOMPARE(s.tool.profilePath(), s.profile.path());
        QVERIFY(outcome.description.isEmpty());
        return;
    }
    QCOMPARE(s.tool.profilePath(), other.path());
    QCOMPARE(outcome.description, u"Now editing "_s + QDir::toNativeSeparators(other.path()));
    QCOMPARE(s.tool.voicepack().text(), u"DR.Boss Voicepack(german)"_s);
    QCOMPARE(s.tool.usedSpeechKeys().items(), QStringList{u"F5: "_s + column(u"Bestätige"_s)});
    // As at a start: backed up and remembered.
    QCOMPARE(QFile(other.dir() + u"/kvuser1.bak"_s).size(), QFileInfo(other.path()).size());
    QCOMPARE(memory.allKeys().size(), 1);
}

void TestSpeechTool::actionsSayWhatTheyDid_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QString>("said");

    QTest::newRow("assign") << u"assign"_s << QList<MessageAnswer>{} << u"F7 now says \"Roger\""_s;
    QTest::newRow("assign over a command, No")
        << u"assign over Jump"_s << QList<MessageAnswer>{MessageAnswer::No} << u"F6 keeps Jump"_s;
    QTest::newRow("remove") << u"remove"_s << QList<MessageAnswer>{} << u"F5 no longer says \"I'm hit!\""_s;
    QTest::newRow("erase") << u"erase"_s << QList<MessageAnswer>{MessageAnswer::Yes}
                           << u"All 2 speech bindings erased"_s;
    QTest::newRow("erase, No") << u"erase"_s << QList<MessageAnswer>{MessageAnswer::No} << u"Nothing erased"_s;
}

void TestSpeechTool::actionsSayWhatTheyDid() {
    QFETCH(QString, action);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QString, said);

    Started s(gameProfile("Botpack.VoiceMaleTwo", "F5=speech 4 4 -1\r\nF6=Jump\r\nF8=speech 2 1 -1\r\n"));
    s.interaction.messageAnswers = answers;
    ActionOutcome outcome;
    if (action == u"assign") {
        s.select(u"Roger"_s, u"F7"_s);
        outcome = s.tool.assignSpeech_Click();
    } else if (action == u"assign over Jump") {
        s.select(u"Roger"_s, u"F6"_s);
        outcome = s.tool.assignSpeech_Click();
    } else if (action == u"remove") {
        s.tool.selectUsedKey(0);
        outcome = s.tool.removeSpeechBinding_Click();
    } else {
        outcome = s.tool.erase_speech_Click();
    }
    QCOMPARE(outcome.description, said);
}

void TestSpeechTool::failedChoiceShowsNoNote() {
#ifdef Q_OS_WIN
    QSKIP("needs chattr +i, which Windows does not have");
#endif
    // Both voicepacks have notes: neither the refused choice's nor the old one's may show.
    Started s(gameProfile("MultiMesh.naliVoice"));
    QVERIFY(QProcess::execute(u"chattr"_s, {u"+i"_s, s.profile.path()}) == 0);
    s.tool.chooseVoicepack(static_cast<int>(s.tool.voicepack().items().indexOf(u"Skaarj Hybrid Voice"_s)));
    QProcess::execute(u"chattr"_s, {u"-i"_s, s.profile.path()});

    QCOMPARE(s.interaction.messages.size(), 1);
    QCOMPARE(s.interaction.messages.first().icon, MessageIcon::Critical);
    QCOMPARE(s.tool.voicepack().text(), u"Nali Voice"_s);
    QCOMPARE(s.profile.read(), gameProfile("MultiMesh.naliVoice"));

    // The next choice that is written shows its note as before.
    s.tool.chooseVoicepack(static_cast<int>(s.tool.voicepack().items().indexOf(u"Skaarj Hybrid Voice"_s)));
    QCOMPARE(s.interaction.messages.size(), 2);
    QCOMPARE(s.interaction.messages.last().title, u"Skaarj Hybrid Voice"_s);
}

// Another program rewrites the profile in place between two refreshes: same
// size, same time stamp. The next refresh shows what the file holds now.
void TestSpeechTool::refreshSeesInPlaceRewriteByAnotherProgram() {
    Started s(gameProfile("BotPack.VoiceBoss"));
    QVERIFY(keyItem(s.tool, u"F1"_s).startsWith(u"F1: ViewPlayerNum 0"_s));
    QByteArray content = s.profile.read();
    content.replace("ViewPlayerNum 0", "ViewPlayerNum 1");
    const QDateTime modified = QFileInfo(s.profile.path()).lastModified();
    QFile file(s.profile.path());
    QVERIFY(file.open(QIODevice::ReadWrite) && file.write(content) == content.size());
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    s.tool.RefreshAll();
    QVERIFY(keyItem(s.tool, u"F1"_s).startsWith(u"F1: ViewPlayerNum 1"_s));
}

void TestSpeechTool::captionsAfterStart_data() {
    QTest::addColumn<QByteArray>("voice");
    QTest::newRow("voicepack found") << QByteArray("BotPack.VoiceBoss");
    QTest::newRow("none found") << QByteArray();
}

void TestSpeechTool::captionsAfterStart() {
    QFETCH(QByteArray, voice);
    TempProfile profile(gameProfile(voice));
    ScriptedInteraction interaction;
    SpeechTool tool(interaction);
    QCOMPARE(tool.caption(), u"Drovantis Parlomatic Tool"_s);
    QCOMPARE(tool.lblCompanyProduct(), u"Kelvanor Parlomatic Tool"_s);
    QCOMPARE(tool.mytest(), u"mytest"_s);
    tool.setProfilePath(profile.path());
    tool.RefreshAll();
    tool.RefreshAll();
    QCOMPARE(tool.caption(), u"Drovantis Parlomatic Tool v.0.4"_s);
    QCOMPARE(tool.lblCompanyProduct(), u"Kelvanor Parlomatic Tool v.0.4"_s);
    QCOMPARE(tool.mytest(), tool.voicepack().text());
}

void TestSpeechTool::splashUnloadResetsProductLine() {
    Started s(gameProfile("BotPack.VoiceBoss"));
    s.tool.splashUnloaded();
    QCOMPARE(s.tool.lblCompanyProduct(), u"Kelvanor Parlomatic Tool"_s);
    s.tool.RefreshAll();
    QCOMPARE(s.tool.lblCompanyProduct(), u"Kelvanor Parlomatic Tool v.0.4"_s);
}

// Another program binds the selected key and changes the voicepack: the key
// stays selected by its name, the taunt only while the voicepack offers it.
void TestSpeechTool::outsideChangeKeepsSelections() {
    Started started(gameProfile("BotPack.VoiceBoss", "F5=speech 3 13 -1\r\n"));
    SpeechTool& tool = started.tool;
    started.select(u"Bow Down"_s, u"F6"_s);
    tool.selectUsedKey(0);
    started.profile.write(gameProfile("BotPack.VoiceBoss", "F5=speech 3 13 -1\r\nF6=speech 3 13 -1\r\n"));
    tool.refreshKeepingSelections();
    QCOMPARE(tool.all_taunts().text(), u"Bow Down"_s);
    QCOMPARE(tool.allKeys().text(), keyItem(tool, u"F6"_s));
    QCOMPARE(tool.usedSpeechKeys().text(), u"F5: "_s + column(u"Boom!"_s));

    started.profile.write(gameProfile("BotPack.VoiceFemaleOne"));
    tool.refreshKeepingSelections();
    QCOMPARE(tool.all_taunts().selectedIndex(), -1);
    QCOMPARE(tool.allKeys().text(), keyItem(tool, u"F6"_s));
    QCOMPARE(tool.usedSpeechKeys().selectedIndex(), -1);
}

void TestSpeechTool::realProfiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("voicepack");
    const QDir dir(QStringLiteral(PARLOMATIC_REALWORLD_DIR));
    const QStringList files = dir.entryList({u"*.ini"_s}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        QSKIP("no real profiles here");
    for (const QString& file : files) {
        const bool maleTwo = file.contains(u"VoiceMaleTwo"_s);
        QTest::newRow(qPrintable(file)) << dir.filePath(file)
                                        << (maleTwo ? u"Unreal Tournament Male Nr2"_s : u"No voicepack selected"_s);
    }
}

void TestSpeechTool::realProfiles() {
    QFETCH(QString, path);
    QFETCH(QString, voicepack);

    QFile source(path);
    QVERIFY(source.open(QIODevice::ReadOnly));
    Started s(source.readAll());
    QCOMPARE(s.tool.voicepack().items().first(), voicepack);
    QVERIFY(s.interaction.messages.isEmpty());
    if (voicepack == u"No voicepack selected"_s) {
        QVERIFY(s.tool.allKeys().items().isEmpty());
        return;
    }
    QCOMPARE(s.tool.allKeys().count(), keyNameCount);
    QCOMPARE(s.tool.all_taunts().count(), 55);
    for (const QString& item : s.tool.allKeys().items())
        QVERIFY2(item.size() <= 14 + 2 + 30, qPrintable(item));

    // Binding a taunt on a real profile changes exactly that key's line.
    const QByteArray before = s.profile.read();
    s.select(u"Boom!"_s, u"F5"_s);
    s.interaction.messageAnswers = {MessageAnswer::Yes};
    s.tool.assignSpeech_Click();
    QCOMPARE(readValue(s.profile, u"Engine.Input"_s, u"F5"_s), u"speech 3 3 -1"_s);
    QCOMPARE(s.tool.usedSpeechKeys().items(), QStringList{u"F5: "_s + column(u"Boom!"_s)});
    QCOMPARE(s.profile.read().size(), before.size() + QByteArray("speech 3 3 -1").size() -
                                          ProfileFile(path).ReadEntry(u"Engine.Input"_s, u"F5"_s, {}, 4096).size());
}

QTEST_GUILESS_MAIN(TestSpeechTool)
#include "tst_SpeechTool.moc"

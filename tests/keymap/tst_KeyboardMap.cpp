// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CurrentTauntTable.h"
#include "editor/SpeechTool.h"
#include "keymap/KeyboardLayout.h"
#include "keymap/KeyboardMap.h"
#include "profile/ProfileFile.h"
#include "support/StartedTool.h"

#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;

namespace {

constexpr int maleTwo = 2;
constexpr int femaleOne = 3;

const KeyState& stateOf(const KeyboardMap& map, const QString& key) {
    return map.keys.at(static_cast<std::size_t>(layoutIndexOf(key)));
}

QString readValue(const TempProfile& profile, const QString& key) {
    return ProfileFile(profile.path()).ReadEntry(QStringLiteral("Engine.Input"), key, QStringLiteral("<missing>"), 256);
}

using Started = StartedTool;

} // namespace

class TestKeyboardMap : public QObject {
    Q_OBJECT

private slots:
    void classifiesBindings_data();
    void classifiesBindings();
    void readsEveryKeyOfTheProfile();
    void clickSelectsKeyInList();
    void doubleClickAssignsThroughTheLogic();
    void keysOutsideTheList();
};

void TestKeyboardMap::classifiesBindings_data() {
    QTest::addColumn<int>("voicepack"); // -1: none current
    QTest::addColumn<QString>("value");
    QTest::addColumn<BindingClass>("kind");
    QTest::addColumn<QString>("label");
    const auto current = BindingClass::CurrentTaunt;
    const auto other = BindingClass::OtherSpeech;
    QTest::newRow("taunt") << maleTwo << "speech 4 2 -1" << current << "I've got the flag";
    QTest::newRow("taunt, capitals") << maleTwo << "SPEECH 4 2 -1" << current << "I've got the flag";
    QTest::newRow("index with leading zero") << maleTwo << "Speech 4 02 -1" << current << "I've got the flag";
    QTest::newRow("mixed case is no taunt") << maleTwo << "sPeech 4 2 -1" << other << "";
    QTest::newRow("no such slot") << maleTwo << "speech 4 55 -1" << other << "";
    QTest::newRow("placeholder only") << femaleOne << "speech 9 9 -1" << other << "";
    QTest::newRow("no voicepack") << -1 << "speech 4 2 -1" << other << "";
    QTest::newRow("bare speech") << maleTwo << "speech" << other << "";
    QTest::newRow("move") << maleTwo << "MoveForward" << BindingClass::Movement << "";
    QTest::newRow("axis") << maleTwo << "Axis aMouseX Speed=6.0" << BindingClass::Movement << "";
    QTest::newRow("first command decides") << maleTwo << "Jump | Axis aUp Speed=+300.0" << BindingClass::Movement << "";
    QTest::newRow("button fire") << maleTwo << "Button bFire | Fire" << BindingClass::Weapon << "";
    QTest::newRow("weapon number") << maleTwo << "switchweapon 3" << BindingClass::Weapon << "";
    QTest::newRow("other command") << maleTwo << "ShowMenu" << BindingClass::OtherCommand << "";
    QTest::newRow("other before weapon") << maleTwo << "Taunt wave | Fire" << BindingClass::Weapon << "";
    QTest::newRow("empty") << maleTwo << "" << BindingClass::Nothing << "";
    QTest::newRow("None") << maleTwo << "None" << BindingClass::Nothing << "";
}

void TestKeyboardMap::classifiesBindings() {
    QFETCH(int, voicepack);
    QFETCH(QString, value);
    QFETCH(BindingClass, kind);
    QFETCH(QString, label);
    CurrentTauntTable taunts;
    if (voicepack >= 0)
        taunts.LoadCurrentTaunts(voicepack);
    const ClassifiedBinding classified = classifyBinding(value, voicepack >= 0 ? &taunts : nullptr);
    QCOMPARE(classified.kind, kind);
    QCOMPARE(classified.tauntLabel, label);
}

void TestKeyboardMap::readsEveryKeyOfTheProfile() {
    const QByteArray longCommand = "Button bFire | Fire | Taunt wave | Say Hello everybody";
    Started started(gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\nF6=speech 9 9 -1\r\nBackspace=Fire\r\n"
                                                        "LeftMouse=" +
                                                            longCommand + "\r\n"));
    const KeyboardMap map = keyboardMapOf(started.tool);
    QCOMPARE(map.voicepackName, QStringLiteral("Unreal Tournament Male Nr2"));
    QCOMPARE(map.keys.size(), keyboardLayout().size());
    QCOMPARE(stateOf(map, QStringLiteral("F5")).kind, BindingClass::CurrentTaunt);
    QCOMPARE(stateOf(map, QStringLiteral("F5")).description, QStringLiteral("F5: taunt \"I've got the flag\""));
    QCOMPARE(stateOf(map, QStringLiteral("F6")).kind, BindingClass::OtherSpeech);
    QCOMPARE(stateOf(map, QStringLiteral("F7")).kind, BindingClass::Nothing);
    // The whole binding, not the 29 characters the list shows.
    QCOMPARE(stateOf(map, QStringLiteral("LeftMouse")).binding, QString::fromLatin1(longCommand));
    // A key "All available Keys" lacks is read like the others.
    QCOMPARE(stateOf(map, QStringLiteral("Backspace")).kind, BindingClass::Weapon);
    QVERIFY(stateOf(map, QStringLiteral("Backspace")).description.contains(QStringLiteral("Fire")));

    Started none(gameProfile({}, "F5=speech 4 2 -1\r\n"));
    QCOMPARE(keyboardMapOf(none.tool).voicepackName, QString());
    QCOMPARE(stateOf(keyboardMapOf(none.tool), QStringLiteral("F5")).kind, BindingClass::OtherSpeech);
}

void TestKeyboardMap::clickSelectsKeyInList() {
    Started started(gameProfile("BotPack.VoiceMaleTwo"));
    QVERIFY(clickMapKey(started.tool, layoutIndexOf(QStringLiteral("NumPad7"))));
    QVERIFY(started.tool.allKeys().text().startsWith(QStringLiteral("NumPad7: ")));
    QCOMPARE(selectedMapKey(started.tool), layoutIndexOf(QStringLiteral("NumPad7")));
    QVERIFY(started.interaction.messages.isEmpty());
}

void TestKeyboardMap::doubleClickAssignsThroughTheLogic() {
    Started started(gameProfile("BotPack.VoiceMaleTwo", "F8=Fire\r\n"));
    started.tool.selectTaunt(static_cast<int>(started.tool.all_taunts().items().indexOf(QStringLiteral("Cover me"))));
    // F8 holds a game command: the same question as the assign button, answered Yes.
    started.interaction.messageAnswers = {MessageAnswer::Yes};
    QVERIFY(assignMapKey(started.tool, layoutIndexOf(QStringLiteral("F8"))));
    QCOMPARE(started.interaction.messages.size(), 1);
    QVERIFY(started.interaction.messages.first().text.startsWith(QStringLiteral("F8 is bound to Fire.")));
    QCOMPARE(readValue(started.profile, QStringLiteral("F8")), QStringLiteral("speech 2 3 -1"));
    QCOMPARE(stateOf(keyboardMapOf(started.tool), QStringLiteral("F8")).kind, BindingClass::CurrentTaunt);

    // The taunt stays selected: a second key gets it without a word.
    QVERIFY(assignMapKey(started.tool, layoutIndexOf(QStringLiteral("F9"))));
    QCOMPARE(started.interaction.messages.size(), 1);
    QCOMPARE(readValue(started.profile, QStringLiteral("F9")), QStringLiteral("speech 2 3 -1"));
}

void TestKeyboardMap::keysOutsideTheList() {
    Started started(gameProfile("BotPack.VoiceMaleTwo", "RShift=Walking\r\n"));
    started.tool.selectTaunt(static_cast<int>(started.tool.all_taunts().items().indexOf(QStringLiteral("Cover me"))));
    QVERIFY(clickMapKey(started.tool, layoutIndexOf(QStringLiteral("F5"))));
    const QByteArray before = started.profile.read();
    // A key the game has no name for neither moves the selection nor assigns to the key selected before.
    const auto unnamed = std::ranges::find_if(keyboardLayout(), [](const KeyCap& key) { return key.name.isEmpty(); });
    const int win = static_cast<int>(unnamed - keyboardLayout().begin());
    QVERIFY(!clickMapKey(started.tool, win));
    QVERIFY(!assignMapKey(started.tool, win));
    QVERIFY(!assignMapKey(started.tool, -1));
    QVERIFY(started.tool.allKeys().text().startsWith(QStringLiteral("F5: ")));
    QCOMPARE(started.profile.read(), before);

    // A key the list lacks cannot be selected there, but takes the taunt, with
    // the same question over a command of the game, and shows among the assigned.
    QVERIFY(!clickMapKey(started.tool, layoutIndexOf(QStringLiteral("Backspace"))));
    QVERIFY(assignMapKey(started.tool, layoutIndexOf(QStringLiteral("Backspace"))));
    QCOMPARE(readValue(started.profile, QStringLiteral("Backspace")), QStringLiteral("speech 2 3 -1"));
    QVERIFY(started.tool.usedSpeechKeys().items().contains(QStringLiteral("Backspace: ") +
                                                           QStringLiteral("Cover me").leftJustified(30)));
    QCOMPARE(stateOf(keyboardMapOf(started.tool), QStringLiteral("Backspace")).kind, BindingClass::CurrentTaunt);
    QVERIFY(started.interaction.messages.isEmpty());
    QVERIFY(assignMapKey(started.tool, layoutIndexOf(QStringLiteral("RShift"))));
    QCOMPARE(started.interaction.messages.size(), 1);
    QVERIFY(started.interaction.messages.first().text.startsWith(QStringLiteral("RShift is bound to Walking.")));
    QCOMPARE(readValue(started.profile, QStringLiteral("RShift")), QStringLiteral("Walking"));

    Started none(gameProfile({}));
    QVERIFY(!assignMapKey(none.tool, layoutIndexOf(QStringLiteral("F5"))));
    QVERIFY(!assignMapKey(none.tool, layoutIndexOf(QStringLiteral("R"))));
    QVERIFY(none.interaction.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestKeyboardMap)
#include "tst_KeyboardMap.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "namechanger/EliteRules.h"
#include "profile/ProfileFile.h"
#include "ui/EliteVoiceChangerWindow.h"
#include "ui/SplashWindow.h"

#include <QLineEdit>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

// A started main window with its name changer opened by the button.
struct OpenNameChanger : StartedWindow {
    OpenNameChanger() : StartedWindow(gameProfile("BotPack.VoiceMaleTwo")) {
        if (window)
            click(u"elite_name_changer"_s);
    }
    EliteVoiceChangerWindow* changer() const { return window ? window->nameChanger() : nullptr; }
    // The texts of the typed name and the two results.
    QStringList texts() const {
        return {box(u"namen_eingabe"_s)->text(), box(u"ergebnis1"_s)->text(), box(u"ergebnis2"_s)->text()};
    }
    QLineEdit* box(const QString& name) const { return changer()->findChild<QLineEdit*>(name); }
    void press(const QString& name) const {
        QTest::mouseClick(changer()->findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

} // namespace

class TestEliteVoiceChangerWindow : public QObject {
    Q_OBJECT

private slots:
    void opensWithItsControls();
    void focusFollowsTabOrder();
    void typingShowsBothEliteForms();
    void secondPressKeepsTextsAndRefreshesPath();
    void closingDiscardsTexts_data();
    void closingDiscardsTexts();
    void writeButtonsWriteWhatTheBoxesHold();
    void mainWindowStaysUsable();
};

void TestEliteVoiceChangerWindow::opensWithItsControls() {
    OpenNameChanger open;
    QVERIFY(open.changer());
    EliteVoiceChangerWindow* changer = open.changer();
    QVERIFY(QTest::qWaitForWindowExposed(changer));
    QCOMPARE(changer->windowTitle(), u"Name Changer"_s);
    QVERIFY(!changer->windowIcon().isNull());
    QCOMPARE(changer->size(), QSize(353, 152));
    QVERIFY(!changer->isModal());
    QCOMPARE(open.box(u"ini_path"_s)->text(), QDir::toNativeSeparators(open.profile.path()));
    QVERIFY(!open.box(u"ini_path"_s)->isVisible());
    QCOMPARE(open.texts(), QStringList(3));
    QCOMPARE(captionsThatDoNotFit(changer), QStringList());
}

void TestEliteVoiceChangerWindow::focusFollowsTabOrder() {
    OpenNameChanger open;
    QVERIFY(open.changer());
    open.changer()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(open.changer()));

    const QStringList expected{u"namen_eingabe"_s, u"ergebnis1"_s,   u"add_tm"_s,           u"ergebnis2"_s,
                               u"write_name1"_s,   u"write_name2"_s, u"exit_namechanger"_s, u"namen_eingabe"_s};
    QCOMPARE(focusAfterTabs(open.box(expected.first()), expected.size() - 1), expected);
}

void TestEliteVoiceChangerWindow::typingShowsBothEliteForms() {
    OpenNameChanger open;
    QVERIFY(open.changer());
    QTest::keyClicks(open.box(u"namen_eingabe"_s), u"Kestrel"_s);

    const EliteVoiceChanger& logic = open.changer()->logic();
    // The typed name reached the logic: the results are its elite forms.
    QCOMPARE(logic.ergebnis1(), ApplyEliteRules(u"Kestrel", EliteRules1));
    QVERIFY(!logic.ergebnis1().isEmpty());
    QCOMPARE(open.box(u"ergebnis1"_s)->text(), logic.ergebnis1());
    QCOMPARE(open.box(u"ergebnis2"_s)->text(), logic.ergebnis2());
    QVERIFY(open.box(u"ergebnis1"_s)->text() != u"Kestrel"_s);

    const QString first = logic.ergebnis1();
    const QString second = logic.ergebnis2();
    open.press(u"add_tm"_s);
    QCOMPARE(open.box(u"ergebnis1"_s)->text(), u"[{(\u00BB"_s + first + u"\u00AB)}]"_s);
    QCOMPARE(open.box(u"ergebnis2"_s)->text(), u"[{(\u00BB"_s + second + u"\u00AB)}]"_s);
}

void TestEliteVoiceChangerWindow::secondPressKeepsTextsAndRefreshesPath() {
    OpenNameChanger open;
    QVERIFY(open.changer());
    QPointer<EliteVoiceChangerWindow> first = open.changer();
    QTest::keyClicks(open.box(u"namen_eingabe"_s), u"Kestrel"_s);
    const QString result = open.box(u"ergebnis1"_s)->text();
    open.changer()->setIniPath(u"/somewhere/else.ini"_s);

    open.click(u"elite_name_changer"_s);

    QCOMPARE(open.changer(), first.data());
    QCOMPARE(open.box(u"namen_eingabe"_s)->text(), u"Kestrel"_s);
    QCOMPARE(open.box(u"ergebnis1"_s)->text(), result);
    QCOMPARE(open.box(u"ini_path"_s)->text(), QDir::toNativeSeparators(open.profile.path()));
    QCOMPARE(open.changer()->logic().iniPath(), QDir::toNativeSeparators(open.profile.path()));
    QCOMPARE(visibleWindows(u"EliteVoiceChanger"_s), 1);
}

void TestEliteVoiceChangerWindow::closingDiscardsTexts_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Close this Window") << false;
    QTest::newRow("close box") << true;
}

void TestEliteVoiceChangerWindow::closingDiscardsTexts() {
    QFETCH(bool, closeBox);

    OpenNameChanger open;
    QVERIFY(open.changer());
    QPointer<EliteVoiceChangerWindow> first = open.changer();
    QTest::keyClicks(open.box(u"namen_eingabe"_s), u"Kestrel"_s);

    if (closeBox)
        first->close();
    else
        open.press(u"exit_namechanger"_s);
    QTRY_VERIFY(!first);
    QVERIFY(!open.window->nameChanger());

    open.click(u"elite_name_changer"_s);
    QVERIFY(open.changer());
    QCOMPARE(open.texts(), QStringList(3));
    QCOMPARE(open.box(u"ini_path"_s)->text(), QDir::toNativeSeparators(open.profile.path()));
}

void TestEliteVoiceChangerWindow::writeButtonsWriteWhatTheBoxesHold() {
    OpenNameChanger open;
    QVERIFY(open.changer());
    QTest::keyClicks(open.box(u"namen_eingabe"_s), u"Kestrel"_s);
    const QString first = open.box(u"ergebnis1"_s)->text();
    const auto playerName = [&open] {
        return ProfileFile(open.profile.path()).ReadEntry(u"DefaultPlayer"_s, u"Name"_s, u"<missing>"_s, 256);
    };

    open.press(u"write_name1"_s);
    QCOMPARE(playerName(), first);
    QCOMPARE(open.interaction.messages.size(), 1);
    QCOMPARE(open.interaction.messages[0].text, u"OK, new Name was written to ini File"_s);

    // A result edited by hand is written as edited.
    QTest::keyClicks(open.box(u"ergebnis2"_s), u"!"_s);
    const QString edited = open.box(u"ergebnis2"_s)->text();
    QVERIFY(edited.endsWith(QLatin1Char('!')));
    open.press(u"write_name2"_s);
    QCOMPARE(playerName(), edited);
    QCOMPARE(open.interaction.messages.size(), 2);
}

void TestEliteVoiceChangerWindow::mainWindowStaysUsable() {
    OpenNameChanger open;
    QVERIFY(open.changer());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(open.window->isEnabled());
    open.click(u"info_button"_s);
    QVERIFY(open.window->splash()->isVisible());
    QVERIFY(open.changer()->isVisible());
}

QTEST_MAIN(TestEliteVoiceChangerWindow)
#include "tst_elitevoicechangerwindow.moc"

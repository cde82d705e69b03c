// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "keymap/KeyboardLayout.h"
#include "keymappicture/KeyboardMapPicture.h"
#include "profile/ProfileFile.h"
#include "ui/KeyboardMapView.h"
#include "ui/KeyboardMapWindow.h"

#include <QHelpEvent>
#include <QImageReader>
#include <QToolTip>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;

namespace {

QString readValue(const TempProfile& profile, const QString& key) {
    return ProfileFile(profile.path()).ReadEntry(QStringLiteral("Engine.Input"), key, QStringLiteral("<missing>"), 256);
}

QPoint keyCentre(const KeyboardMapView* view, const QString& key) {
    return view->keyRect(layoutIndexOf(key)).center();
}

// The started program with its keyboard map open and shown.
struct StartedMap : StartedWindow {
    KeyboardMapView* view = nullptr;

    StartedMap() : StartedWindow(gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\n")) {
        if (!window)
            return;
        click(QStringLiteral("keyboard_map"));
        if (window->keyboardMap() && QTest::qWaitForWindowExposed(window->keyboardMap()))
            view = window->keyboardMap()->view();
    }
};

} // namespace

class TestKeyboardMapWindow : public QObject {
    Q_OBJECT

private slots:
    void opensOnceWithoutModality();
    void buttonSitsInTheFreeSpace();
    void clickSelectsAndDoubleClickAssigns();
    void keyboardMovesAndAssigns();
    void savesPicture();
};

void TestKeyboardMapWindow::opensOnceWithoutModality() {
    StartedMap started;
    QVERIFY(started.view);
    KeyboardMapWindow* map = started.window->keyboardMap();
    QCOMPARE(map->windowTitle(), QStringLiteral("Keyboard map"));
    QVERIFY(!map->isModal());
    started.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.window.get()));
    QTest::keyClick(started.window.get(), Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(started.window->keyboardMap(), map);
    QCOMPARE(visibleWindows(QStringLiteral("KeyboardMap")), 1);

    map->close();
    QTRY_VERIFY(!started.window->keyboardMap());
    started.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.window.get()));
    QTest::keyClick(started.window.get(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(started.window->keyboardMap());
    QCOMPARE(visibleWindows(QStringLiteral("KeyboardMap")), 1);
}

void TestKeyboardMapWindow::buttonSitsInTheFreeSpace() {
    StartedMap started;
    QVERIFY(started.view);
    const QRect button = started.find(QStringLiteral("keyboard_map"))->geometry();
    QCOMPARE(button.top(), started.find(QStringLiteral("Restore_ini"))->y());
    QVERIFY(button.left() > started.find(QStringLiteral("elite_name_changer"))->geometry().right());
    QVERIFY(button.right() < started.find(QStringLiteral("Restore_ini"))->x());
    started.window->resize(started.window->width(), started.window->height() + 40);
    QTRY_COMPARE(started.find(QStringLiteral("keyboard_map"))->y(), button.top() + 40);
}

void TestKeyboardMapWindow::clickSelectsAndDoubleClickAssigns() {
    StartedMap started;
    QVERIFY(started.view);
    auto* allKeys = started.find<QListWidget>(QStringLiteral("allKeys"));
    const QPoint f5 = keyCentre(started.view, QStringLiteral("F5"));
    QHelpEvent help(QEvent::ToolTip, f5, started.view->mapToGlobal(f5));
    QApplication::sendEvent(started.view, &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("F5: taunt \"I've got the flag\""));

    QTest::mouseClick(started.view, Qt::LeftButton, {}, keyCentre(started.view, QStringLiteral("NumPad4")));
    QVERIFY(allKeys->currentItem()->text().startsWith(QStringLiteral("NumPad4: ")));
    QCOMPARE(selectedMapKey(started.tool), layoutIndexOf(QStringLiteral("NumPad4")));
    // A greyed key leaves the selection alone.
    QTest::mouseClick(started.view, Qt::LeftButton, {}, keyCentre(started.view, QStringLiteral("Backspace")));
    QVERIFY(allKeys->currentItem()->text().startsWith(QStringLiteral("NumPad4: ")));

    QVERIFY(started.clickItem(QStringLiteral("all_taunts"), QStringLiteral("Cover me")));
    QTest::mouseDClick(started.view, Qt::LeftButton, {}, keyCentre(started.view, QStringLiteral("F7")));
    QCOMPARE(readValue(started.profile, QStringLiteral("F7")), QStringLiteral("speech 2 3 -1"));
    // Redrawn after the refresh the assignment ran.
    QCOMPARE(started.view->map().keys.at(static_cast<std::size_t>(layoutIndexOf(QStringLiteral("F7")))).kind,
             BindingClass::CurrentTaunt);
}

void TestKeyboardMapWindow::keyboardMovesAndAssigns() {
    StartedMap started;
    QVERIFY(started.view);
    QTest::mouseClick(started.view, Qt::LeftButton, {}, keyCentre(started.view, QStringLiteral("F5")));
    QVERIFY(started.clickItem(QStringLiteral("all_taunts"), QStringLiteral("Cover me")));
    started.view->setFocus();
    QTest::keyClick(started.view, Qt::Key_Right);
    QTest::keyClick(started.view, Qt::Key_Right);
    QCOMPARE(started.view->focusKey(), layoutIndexOf(QStringLiteral("F7")));
    QCOMPARE(started.window->keyboardMap()->findChild<QLabel*>(QStringLiteral("focusLine"))->text(),
             QStringLiteral("F7: nothing bound"));
    QTest::keyClick(started.view, Qt::Key_Return);
    QCOMPARE(readValue(started.profile, QStringLiteral("F7")), QStringLiteral("speech 2 3 -1"));
    QCOMPARE(started.view->focusKey(), layoutIndexOf(QStringLiteral("F7")));
}

void TestKeyboardMapWindow::savesPicture() {
    StartedMap started;
    QVERIFY(started.view);
    const QString path = started.profile.dir() + QStringLiteral("/map.png");
    started.interaction.saveAnswers = {path, started.profile.dir() + QStringLiteral("/missing/map.png")};

    QTest::mouseClick(started.window->keyboardMap()->findChild<QPushButton*>(QStringLiteral("savePicture")),
                      Qt::LeftButton);
    QCOMPARE(started.interaction.saveDialogs.size(), 1);
    QCOMPARE(started.interaction.saveDialogs.first().initialDir, started.profile.dir());
    QCOMPARE(QImageReader(path).size(), (KeyboardMapPicture::naturalSize() * 2).toSize());
    QVERIFY(started.interaction.messages.isEmpty());

    // A folder that does not exist: the player is told, and nothing is left behind.
    started.window->keyboardMap()->savePicture_Click();
    QCOMPARE(started.interaction.messages.size(), 1);
    QCOMPARE(started.interaction.messages.first().icon, MessageIcon::Critical);
}

QTEST_MAIN(TestKeyboardMapWindow)
#include "tst_keyboardmapwindow.moc"

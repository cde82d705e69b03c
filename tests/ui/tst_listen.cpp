// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "keymap/KeyboardLayout.h"
#include "listen/WavePlayer.h"
#include "support/SyntheticGame.h"
#include "ui/KeyboardMapView.h"
#include "ui/KeyboardMapWindow.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

// Keeps what it is asked to play.
struct RecordingPlayer : WavePlayer {
    QList<QByteArray> played;
    QString play(const QByteArray& wave) override {
        played.append(wave);
        return {};
    }
    QString playToEnd(const QByteArray& wave) override { return play(wave); }
};

// The program started on a profile in the System folder of a synthetic game.
struct ListeningWindow {
    QTemporaryDir game;
    QByteArray profileBytes = gameProfile("MultiMesh.NaliVoice", "F5=speech 3 0 -1\r\nF6=speech 2 0 -1\r\n");
    ScriptedInteraction interaction;
    SpeechTool tool{interaction};
    RecordingPlayer player;
    std::unique_ptr<SpeechToolWindow> window;

    ListeningWindow() {
        writeSyntheticGame(game.path());
        const QString system = game.filePath(u"System"_s);
        QFile profile(profilePath());
        if (!profile.open(QIODevice::WriteOnly) || profile.write(profileBytes) != profileBytes.size())
            return;
        profile.close();
        if (!startUp(tool, interaction, {system}, system))
            return;
        window = std::make_unique<SpeechToolWindow>(tool, interaction);
        window->setWavePlayer(player);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            window.reset();
        // Start-up writes the voicepack's class path as the catalogue spells it; from here nothing may change.
        profileBytes = profileNow();
    }

    QString profilePath() const { return game.filePath(u"System/kvuser.ini"_s); }
    QByteArray profileNow() const { return TempProfile::readFile(profilePath()); }

    QListWidget* taunts() const { return window->findChild<QListWidget*>(u"all_taunts"_s); }
    void selectTaunt(const QString& label) const {
        const QList<QListWidgetItem*> items = taunts()->findItems(label, Qt::MatchExactly);
        if (!items.isEmpty())
            taunts()->setCurrentItem(items.last());
    }
};

} // namespace

class TestListen : public QObject {
    Q_OBJECT

private slots:
    // Space and the context menu's "Listen" play the selected taunt; nothing moves, nothing is written.
    void listensToTheSelectedTaunt_data() {
        QTest::addColumn<QString>("taunt");
        QTest::addColumn<bool>("bySpace");
        QTest::addColumn<QByteArray>("wave");
        const SyntheticSounds sounds;
        QTest::newRow("Space") << "Bywonda!" << true << sounds.contact;
        QTest::newRow("context menu") << "Defend the base" << false << sounds.defend;
    }
    void listensToTheSelectedTaunt() {
        QFETCH(QString, taunt);
        QFETCH(bool, bySpace);
        QFETCH(QByteArray, wave);
        ListeningWindow started;
        QVERIFY(started.window);
        started.selectTaunt(taunt);
        const int row = started.taunts()->currentRow();
        QVERIFY(row >= 0);
        if (bySpace) {
            started.taunts()->setFocus();
            QTest::keyClick(started.taunts(), Qt::Key_Space);
        } else {
            QAction* listen = started.taunts()->findChild<QAction*>(u"listen"_s);
            QVERIFY(started.taunts()->actions().contains(listen));
            QCOMPARE(listen->text(), u"Listen"_s);
            listen->trigger();
        }
        QCOMPARE(started.player.played, QList<QByteArray>{wave});
        QCOMPARE(started.interaction.messages.size(), 0);
        QCOMPARE(started.taunts()->currentRow(), row);
        QCOMPARE(started.profileNow(), started.profileBytes);
    }

    // A sound that cannot be found is told in one line, and nothing is played.
    void tellsWhyNothingPlays() {
        ListeningWindow started;
        QVERIFY(started.window);
        QVERIFY(QFile::remove(started.game.filePath(u"Sounds/Male2Voice.uax"_s)));
        started.selectTaunt(u"Defend the base"_s);
        started.window->listen_Click();
        QVERIFY(started.player.played.isEmpty());
        QCOMPARE(started.interaction.messages.size(), 1);
        QCOMPARE(started.interaction.messages.first().text, u"package Male2Voice not found"_s);
        QCOMPARE(started.profileNow(), started.profileBytes);
    }

    // In the keyboard map, Space over a key and the key's "Listen" play what it says, selecting no key.
    void listensToAKeyOfTheMap() {
        ListeningWindow started;
        QVERIFY(started.window);
        started.window->keyboard_map_Click();
        KeyboardMapWindow* map = started.window->keyboardMap();
        QVERIFY(map && QTest::qWaitForWindowExposed(map));
        KeyboardMapView* view = map->view();
        const int selectedKey = started.tool.allKeys().selectedIndex();

        const QPointF f5 = view->keyRect(layoutIndexOf(u"F5"_s)).center();
        QMouseEvent move(QEvent::MouseMove, f5, view->mapToGlobal(f5), Qt::NoButton, {}, {});
        QApplication::sendEvent(view, &move);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(started.tool.allKeys().selectedIndex(), selectedKey);
        // After an arrow key, Space selects at the keyboard's position again.
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(started.player.played.size(), 1);
        QVERIFY(started.tool.allKeys().selectedIndex() != selectedKey);
        const QPoint f6 = view->keyRect(layoutIndexOf(u"F6"_s)).center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, f6, view->mapToGlobal(f6));
        QApplication::sendEvent(view, &menuEvent);
        auto* menu = view->findChild<QMenu*>(u"keyMenu"_s);
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->actions().first()->text(), u"Listen"_s);
        menu->actions().first()->trigger();
        menu->hide();

        const SyntheticSounds sounds;
        QCOMPARE(started.player.played, (QList<QByteArray>{sounds.contact, sounds.defend}));
        QCOMPARE(started.profileNow(), started.profileBytes);
    }
};

QTEST_MAIN(TestListen)
#include "tst_listen.moc"

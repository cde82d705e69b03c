// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "catalogue/ProductInfo.h"
#include "gamewatch/GameSession.h"
#include "profile/ProfileFile.h"
#include "ui/EliteVoiceChangerWindow.h"
#include "ui/KeyboardMapWindow.h"
#include "ui/ListBox.h"
#include "ui/SplashWindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

QString column(const QString& text) {
    return text.leftJustified(30, QLatin1Char(' '), true);
}

QString readValue(const TempProfile& profile, const QString& section, const QString& key) {
    return ProfileFile(profile.path()).ReadEntry(section, key, QStringLiteral("<missing>"), 256);
}

QByteArray maleTwoProfile() {
    return gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\nF6=\r\n");
}

// Chooses an entry of the drop-down the way a player does: opens the list and clicks the entry.
void chooseEntry(QComboBox* box, const QString& text) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex entry = view->model()->index(box->findText(text), 0);
    QVERIFY(entry.isValid());
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
}

} // namespace

class TestSpeechToolWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsProfile();
    void focusFollowsTabOrder();
    void captionsFit();
    void assignByClicking();
    void assignWithoutSelectionTellsPlayer();
    void eraseAndRestoreButtons();
    void voicepackChoiceSwitchesLists();
    void choosingCurrentVoicepackWritesItAgain();
    void resizeFollowsHeight_data();
    void resizeFollowsHeight();
    void infoShowsOneWindow();
    void closeThisScreenUnloadsInformation();
    void visitOpensDownloadSite();
    void programEndsWhenNoWindowIsVisible_data();
    void programEndsWhenNoWindowIsVisible();
    void exitClosesEveryWindow();
    void gameLineHasItsOwnStrip();
    void enterClicksButtons();
    void voicepackChosenOnlyInOpenedList();
    void listsShowWhatDoesNotFit();
    void newVoicepackListStartsAtTop();
    void removeOneBinding();
    void accessibleNames();
    void escapeClosesFurtherWindows();
    void paddedLabelsNeedNoScrollBar();
    void profileLineSwitchesProfile();
};

void TestSpeechToolWindow::startUpShowsProfile() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);

    QCOMPARE(started.window->windowTitle(), QStringLiteral("Drovantis Parlomatic Tool v.0.4"));
    QVERIFY(!started.window->windowIcon().isNull());
    // The large sizes, for window switchers, follow the first frame.
    QTRY_VERIFY(started.window->windowIcon().availableSizes().contains(QSize(256, 256)));
    auto* voicepack = started.find<QComboBox>(QStringLiteral("voicepack"));
    QCOMPARE(voicepack->count(), 15);
    QCOMPARE(voicepack->currentIndex(), 0);
    QCOMPARE(voicepack->currentText(), QStringLiteral("Unreal Tournament Male Nr2"));
    const auto* taunts = started.find<QListWidget>(QStringLiteral("all_taunts"));
    QCOMPARE(itemTexts(taunts), started.tool.all_taunts().items());
    QVERIFY(taunts->count() > 40);
    QCOMPARE(started.find<QListWidget>(QStringLiteral("allKeys"))->count(), 86);
    QCOMPARE(itemTexts(started.find<QListWidget>(QStringLiteral("usedSpeechKeys"))),
             QStringList{QStringLiteral("F5: ") + column(QStringLiteral("I've got the flag"))});
    QCOMPARE(started.find<QLineEdit>(QStringLiteral("my_temp"))->text(),
             QDir::toNativeSeparators(started.profile.path()));
    // The file edited is shown in the free space of the top row, clear of the drop-down.
    const auto* profileLine = started.find<QLabel>(QStringLiteral("profileLine"));
    QVERIFY(profileLine->isVisible());
    QCOMPARE(profileLine->toolTip(), QDir::toNativeSeparators(started.profile.path()));
    QVERIFY(profileLine->text().endsWith(QStringLiteral("kvuser.ini")));
    QVERIFY(!profileLine->geometry().intersects(voicepack->geometry()));
    QCOMPARE(started.find<QLineEdit>(QStringLiteral("mytest"))->text(), QStringLiteral("Unreal Tournament Male Nr2"));
    for (const QString& hidden : {QStringLiteral("my_temp"), QStringLiteral("mytest"), QStringLiteral("Label5")})
        QVERIFY2(!started.find(hidden)->isVisible(), qPrintable(hidden));

    // The information window exists hidden from start-up on, carrying the product line.
    QVERIFY(started.window->splash());
    QVERIFY(!started.window->splash()->isVisible());
    QCOMPARE(started.window->splash()->productLine(), QStringLiteral("Kelvanor Parlomatic Tool v.0.4"));
    QVERIFY(started.interaction.messages.isEmpty());
}

void TestSpeechToolWindow::focusFollowsTabOrder() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    started.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.window.get()));

    const QStringList expected{
        QStringLiteral("voicepack"),          QStringLiteral("all_taunts"),   QStringLiteral("allKeys"),
        QStringLiteral("usedSpeechKeys"),     QStringLiteral("assignSpeech"), QStringLiteral("exit_button"),
        QStringLiteral("info_button"),        QStringLiteral("erase_speech"), QStringLiteral("Restore_ini"),
        QStringLiteral("elite_name_changer"), QStringLiteral("keyboard_map"), QStringLiteral("history"),
        QStringLiteral("voicepack")};
    QCOMPARE(focusAfterTabs(started.find(expected.first()), expected.size() - 1), expected);
}

void TestSpeechToolWindow::captionsFit() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    QCOMPARE(captionsThatDoNotFit(started.window.get()), QStringList());
    started.window->info_button_Click();
    QCOMPARE(captionsThatDoNotFit(started.window->splash()), QStringList());
}

void TestSpeechToolWindow::assignByClicking() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);

    QVERIFY(started.clickItem(QStringLiteral("all_taunts"), QStringLiteral("Cover me")));
    QVERIFY(started.clickItem(QStringLiteral("allKeys"), QStringLiteral("F6: ")));
    QCOMPARE(started.tool.all_taunts().text(), QStringLiteral("Cover me"));
    started.click(QStringLiteral("assignSpeech"));

    QCOMPARE(readValue(started.profile, QStringLiteral("Engine.Input"), QStringLiteral("F6")),
             QStringLiteral("speech 2 3 -1"));
    const QString bound = QStringLiteral("F6: ") + column(QStringLiteral("Cover me"));
    QVERIFY(itemTexts(started.find<QListWidget>(QStringLiteral("usedSpeechKeys"))).contains(bound));
    QVERIFY(itemTexts(started.find<QListWidget>(QStringLiteral("allKeys"))).contains(bound));
    // The refresh cleared the key; the taunt stays selected for a second key.
    auto* taunts = started.find<QListWidget>(QStringLiteral("all_taunts"));
    QCOMPARE(taunts->selectedItems().size(), 1);
    QCOMPARE(taunts->selectedItems().first()->text(), QStringLiteral("Cover me"));
    QVERIFY(started.find<QListWidget>(QStringLiteral("allKeys"))->selectedItems().isEmpty());
    QCOMPARE(started.find<QLabel>(QStringLiteral("action_status"))->text(), QStringLiteral("F6 now says \"Cover me\""));

    QVERIFY(started.clickItem(QStringLiteral("allKeys"), QStringLiteral("F7: ")));
    started.click(QStringLiteral("assignSpeech"));
    QCOMPARE(readValue(started.profile, QStringLiteral("Engine.Input"), QStringLiteral("F7")),
             QStringLiteral("speech 2 3 -1"));
    QVERIFY(started.interaction.messages.isEmpty());
    // The taunt on keys is drawn in bold and names them; the others are not.
    const QListWidgetItem* coverMe = taunts->selectedItems().first();
    QVERIFY(coverMe->font().bold());
    QCOMPARE(coverMe->toolTip(), QStringLiteral("On F6 and F7"));
    QCOMPARE(taunts->item(0)->font().bold(), taunts->item(0)->text() == QStringLiteral("I've got the flag"));
    const QPoint at = taunts->visualItemRect(coverMe).center();
    QHelpEvent help(QEvent::ToolTip, at, taunts->viewport()->mapToGlobal(at));
    QApplication::sendEvent(taunts->viewport(), &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("On F6 and F7"));
}

void TestSpeechToolWindow::assignWithoutSelectionTellsPlayer() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    QVERIFY(started.clickItem(QStringLiteral("allKeys"), QStringLiteral("F6: ")));
    started.click(QStringLiteral("assignSpeech"));

    QCOMPARE(started.interaction.messages.size(), 1);
    QCOMPARE(started.interaction.messages[0].text, QStringLiteral("Select a Speech and a key first"));
    QCOMPARE(started.interaction.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(readValue(started.profile, QStringLiteral("Engine.Input"), QStringLiteral("F6")), QString());
}

void TestSpeechToolWindow::eraseAndRestoreButtons() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    auto* used = started.find<QListWidget>(QStringLiteral("usedSpeechKeys"));

    started.interaction.messageAnswers = {MessageAnswer::Yes};
    started.click(QStringLiteral("erase_speech"));
    QCOMPARE(started.interaction.messages.size(), 1);
    QCOMPARE(started.interaction.messages[0].buttons, MessageButtons::YesNo);
    QCOMPARE(readValue(started.profile, QStringLiteral("Engine.Input"), QStringLiteral("F5")), QString());
    QCOMPARE(used->count(), 0);

    started.click(QStringLiteral("Restore_ini"));
    QCOMPARE(started.interaction.messages.size(), 2);
    QCOMPARE(started.interaction.messages[1].text, SpeechTool::restoreStartedText());
    QCOMPARE(readValue(started.profile, QStringLiteral("Engine.Input"), QStringLiteral("F5")),
             QStringLiteral("speech 4 2 -1"));
    QCOMPARE(used->count(), 1);
}

void TestSpeechToolWindow::voicepackChoiceSwitchesLists() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    auto* voicepack = started.find<QComboBox>(QStringLiteral("voicepack"));
    const QStringList maleTwoTaunts = itemTexts(started.find<QListWidget>(QStringLiteral("all_taunts")));

    chooseEntry(voicepack, QStringLiteral("Skaarj Hybrid Voice"));

    QCOMPARE(started.interaction.messages.size(), 1);
    QCOMPARE(started.interaction.messages[0].title, QStringLiteral("Skaarj Hybrid Voice"));
    QCOMPARE(started.interaction.messages[0].icon, MessageIcon::Information);
    QCOMPARE(readValue(started.profile, QStringLiteral("DefaultPlayer"), QStringLiteral("Voice")),
             QStringLiteral("MultiMesh.SkaarjVoice"));
    QCOMPARE(voicepack->itemText(0), QStringLiteral("Skaarj Hybrid Voice"));
    QCOMPARE(voicepack->currentIndex(), 0);
    QCOMPARE(voicepack->count(), 15);
    const QStringList shown = itemTexts(started.find<QListWidget>(QStringLiteral("all_taunts")));
    QCOMPARE(shown, started.tool.all_taunts().items());
    QVERIFY(shown != maleTwoTaunts);
    // F5's binding names a slot of Male Nr2, not necessarily the same taunt of the Skaarj.
    QCOMPARE(itemTexts(started.find<QListWidget>(QStringLiteral("usedSpeechKeys"))),
             started.tool.usedSpeechKeys().items());
}

void TestSpeechToolWindow::choosingCurrentVoicepackWritesItAgain() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    // Behind the program's back the game (or the player) changed the spelling.
    ProfileFile(started.profile.path())
        .WriteEntry(QStringLiteral("DefaultPlayer"), QStringLiteral("Voice"), QStringLiteral("botpack.voicemaletwo"));

    chooseEntry(started.find<QComboBox>(QStringLiteral("voicepack")), QStringLiteral("Unreal Tournament Male Nr2"));

    QCOMPARE(readValue(started.profile, QStringLiteral("DefaultPlayer"), QStringLiteral("Voice")),
             QStringLiteral("Botpack.VoiceMaleTwo"));
    QVERIFY(started.interaction.messages.isEmpty());
}

void TestSpeechToolWindow::resizeFollowsHeight_data() {
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("lists");
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("buttonTop");

    // Client pixels; the outer window adds 405 twips (27 pixels) of frame to the height.
    QTest::newRow("minimum") << QSize(667, 372) << QSize(667, 372) << 277 << 303 << 344;
    QTest::newRow("600 twips taller") << QSize(667, 412) << QSize(667, 372 + 40) << 317 << 343 << 384;
    QTest::newRow("below the minimum") << QSize(667, 200) << QSize(667, 372) << 277 << 303 << 344;
    QTest::newRow("wider") << QSize(900, 500) << QSize(667, 500) << 405 << 431 << 472;
    QTest::newRow("narrower") << QSize(300, 372) << QSize(667, 372) << 277 << 303 << 344;
}

void TestSpeechToolWindow::resizeFollowsHeight() {
    QFETCH(QSize, requested);
    QFETCH(QSize, client);
    QFETCH(int, lists);
    QFETCH(int, panel);
    QFETCH(int, buttonTop);

    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    // The status strip below the controls keeps its height.
    const int strip = started.window->minimumHeight() - 372;
    QVERIFY(strip > 0);
    started.window->resize(started.window->width(), 600);
    started.window->resize(requested + QSize(0, strip));
    QTRY_COMPARE(started.window->size(), client + QSize(0, strip));

    for (const QString& name :
         {QStringLiteral("all_taunts"), QStringLiteral("allKeys"), QStringLiteral("usedSpeechKeys")}) {
        const QRect place = started.find(name)->geometry();
        QCOMPARE(place.height(), lists);
        QCOMPARE(place.top(), 56);
    }
    QCOMPARE(started.find(QStringLiteral("Frame1"))->height(), panel);
    for (const QString& name :
         {QStringLiteral("info_button"), QStringLiteral("elite_name_changer"), QStringLiteral("Restore_ini"),
          QStringLiteral("erase_speech"), QStringLiteral("exit_button")})
        QCOMPARE(started.find(name)->y(), buttonTop);
    // The top row and the assign button stay where they are.
    QCOMPARE(started.find(QStringLiteral("voicepack"))->geometry(), QRect(152, 8, 185, 21));
    QCOMPARE(started.find(QStringLiteral("assignSpeech"))->geometry(), QRect(208, 80, 41, 105));
}

void TestSpeechToolWindow::infoShowsOneWindow() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);

    started.click(QStringLiteral("info_button"));
    started.click(QStringLiteral("info_button"));

    QCOMPARE(visibleWindows(QStringLiteral("frmSplash")), 1);
    int loaded = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        loaded += widget->objectName() == QStringLiteral("frmSplash") ? 1 : 0;
    QCOMPARE(loaded, 1);
    SplashWindow* splash = started.window->splash();
    QCOMPARE(splash->productLine(), QStringLiteral("Kelvanor Parlomatic Tool v.0.4"));
    // Its controls, made when it first showed, carry the line set while it was hidden.
    QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("lblCompanyProduct"))->text(), splash->productLine());
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash->windowType(), Qt::Tool);
    QCOMPARE(splash->frameGeometry().center(), splash->screen()->availableGeometry().center());
}

void TestSpeechToolWindow::closeThisScreenUnloadsInformation() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    started.click(QStringLiteral("info_button"));
    QPointer<SplashWindow> first = started.window->splash();

    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    QVERIFY(!started.window->splash());
    QTRY_VERIFY(!first);
    QCOMPARE(visibleWindows(QStringLiteral("frmSplash")), 0);

    // A new window starts with the initial product line until the next refresh.
    started.click(QStringLiteral("info_button"));
    QVERIFY(started.window->splash());
    QCOMPARE(started.window->splash()->productLine(), QStringLiteral("Kelvanor Parlomatic Tool"));
    started.click(QStringLiteral("Restore_ini"));
    QCOMPARE(started.window->splash()->productLine(), QStringLiteral("Kelvanor Parlomatic Tool v.0.4"));
}

void TestSpeechToolWindow::visitOpensDownloadSite() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    started.click(QStringLiteral("info_button"));
    SplashWindow* splash = started.window->splash();

    QTest::mouseClick(splash->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);

    QCOMPARE(started.interaction.openedAddresses, QStringList{product::downloadAddress()});
    QVERIFY(splash->isVisible());
    QVERIFY(started.interaction.messages.isEmpty());
}

void TestSpeechToolWindow::programEndsWhenNoWindowIsVisible_data() {
    QTest::addColumn<bool>("information");
    QTest::addColumn<bool>("nameChanger");

    QTest::newRow("only the main window") << false << false;
    QTest::newRow("information window shown") << true << false;
    QTest::newRow("name changer open") << false << true;
}

void TestSpeechToolWindow::programEndsWhenNoWindowIsVisible() {
    QFETCH(bool, information);
    QFETCH(bool, nameChanger);

    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    if (information)
        started.window->info_button_Click();
    if (nameChanger)
        started.window->elite_name_changer_Click();

    bool runningAfterClose = false;
    QTimer::singleShot(0, started.window.get(), [&] { started.window->close(); });
    // Still running a moment after the main window went: only an open name
    // changer may keep the program going; closing it then ends the program.
    QTimer::singleShot(300, started.window.get(), [&] {
        runningAfterClose = true;
        if (EliteVoiceChangerWindow* changer = started.window->nameChanger())
            changer->close();
    });
    QTimer::singleShot(5000, started.window.get(), [] { QCoreApplication::exit(2); });

    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(runningAfterClose, nameChanger);
    QVERIFY(!started.window->isVisible());
}

void TestSpeechToolWindow::exitClosesEveryWindow() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    started.window->info_button_Click();
    started.window->elite_name_changer_Click();
    QPointer<EliteVoiceChangerWindow> changer = started.window->nameChanger();
    QVERIFY(changer && changer->isVisible());

    QTimer::singleShot(0, started.window.get(), [&] { started.click(QStringLiteral("exit_button")); });
    QTimer::singleShot(5000, started.window.get(), [] { QCoreApplication::exit(2); });

    QCOMPARE(QCoreApplication::exec(), 0);
    for (const QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    QTRY_VERIFY(!changer);
}

// The game's line shows in the status strip below the button row while the
// game runs, in a warning colour; the window and its controls stay as they were. Outside changes reach the lists, and
// the player's binding made meanwhile is written again after the game's exit.
void TestSpeechToolWindow::gameLineHasItsOwnStrip() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    QTemporaryDir settings;
    bool gameRunning = true;
    GameMonitor monitor([&] {
        return gameRunning ? QList<ProcessInfo>{{7, QStringLiteral("/ut/System64/ut-bin-amd64"), {}, {}}}
                           : QList<ProcessInfo>{};
    });
    const ChangeHistory history(settings.path());
    ChangeRecorder recorder(history, ChangeSource::Window, [&monitor] { return monitor.isRunning(); });
    started.tool.setRecorder(&recorder);
    GameSession session(started.profile.path(), history, monitor);
    const int height = started.window->height();
    started.window->setGameSession(&session);
    session.start();

    auto* line = started.find<QLabel>(QStringLiteral("game_status"));
    QTRY_VERIFY(line->isVisible());
    // The strip had its place before the line came: the window keeps its height.
    QCOMPARE(started.window->height(), height);
    QCOMPARE(line->text(), QStringLiteral("Unreal Tournament is running: changes made now are undone when it quits; "
                                          "Parlomatic will apply them again."));
    QVERIFY(line->palette().color(QPalette::WindowText) != started.window->palette().color(QPalette::WindowText));
    QVERIFY(started.find<QLabel>(QStringLiteral("game_status_icon"))->isVisible());
    // Below the buttons, within the window, with room for its two lines.
    QVERIFY(line->y() > started.find(QStringLiteral("exit_button"))->geometry().bottom());
    QVERIFY(line->geometry().bottom() < started.window->height());
    QVERIFY(line->height() >= 2 * line->fontMetrics().lineSpacing());
    QCOMPARE(started.find(QStringLiteral("exit_button"))->y(), 344);
    QCOMPARE(started.find(QStringLiteral("allKeys"))->height(), 277);

    const QByteArray gameCopy = started.profile.read();
    started.profile.write(gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\nF6=speech 4 1 -1\r\n"));
    // A selection made at once writes nothing: the change stays the game's.
    QVERIFY(started.clickItem(QStringLiteral("all_taunts"), started.tool.all_taunts().items().at(1)));
    QTRY_COMPARE(started.find<QListWidget>(QStringLiteral("usedSpeechKeys"))->count(), 2);
    QVERIFY(started.clickItem(QStringLiteral("all_taunts"), started.tool.all_taunts().items().at(2)));
    QVERIFY(started.clickItem(QStringLiteral("allKeys"), QStringLiteral("F7: ")));
    started.click(QStringLiteral("assignSpeech"));
    const QString f7 = readValue(started.profile, QStringLiteral("Engine.Input"), QStringLiteral("F7"));

    started.profile.write(gameCopy);
    gameRunning = false;
    monitor.poll();
    QCOMPARE(readValue(started.profile, QStringLiteral("Engine.Input"), QStringLiteral("F7")), f7);
    QCOMPARE(line->text(),
             QStringLiteral("Unreal Tournament undid 1 change when it quit; Parlomatic applied it again."));
    QTRY_COMPARE(started.find<QListWidget>(QStringLiteral("usedSpeechKeys"))->count(), 2);
}

void TestSpeechToolWindow::enterClicksButtons() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    started.window->info_button_Click();
    started.window->elite_name_changer_Click();
    const std::pair<QWidget*, QString> buttons[] = {{started.window.get(), u"Restore_ini"_s},
                                                    {started.window.get(), u"assignSpeech"_s},
                                                    {started.window->nameChanger(), u"add_tm"_s},
                                                    {started.window->splash(), u"Command3"_s}};
    for (const auto& [window, name] : buttons) {
        auto* button = window->findChild<QPushButton*>(name);
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QVERIFY2(clicked.count() == 2, qPrintable(name));
    }
}

void TestSpeechToolWindow::voicepackChosenOnlyInOpenedList() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    auto* voicepack = started.find<QComboBox>(u"voicepack"_s);
    const QString second = voicepack->itemText(1);
    const quint64 inode = started.profile.inode();
    for (const int delta : {-120, 120}) {
        const QPointF at(5, 5);
        QWheelEvent wheel(at, voicepack->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(voicepack, &wheel);
    }
    QTest::keyClick(voicepack, Qt::Key_S);
    QVERIFY(!voicepack->view()->isVisible());
    QTest::keyClick(voicepack, Qt::Key_Down);
    QVERIFY(voicepack->view()->isVisible());
    QCOMPARE(voicepack->currentIndex(), 0);
    QCOMPARE(started.profile.inode(), inode);

    QTest::keyClick(voicepack->view(), Qt::Key_Home);
    QTest::keyClick(voicepack->view(), Qt::Key_Down);
    QTest::keyClick(voicepack->view(), Qt::Key_Return);
    QCOMPARE(started.tool.voicepack().text(), second);
}

void TestSpeechToolWindow::listsShowWhatDoesNotFit() {
    for (const QByteArray voice : {"None", "DR_BOSS.DR_BOSS"}) {
        StartedWindow started(gameProfile(voice));
        QVERIFY(started.window);
        auto* taunts = started.find<ListBox>(u"all_taunts"_s);
        // The hint is drawn only on the empty list.
        const QImage withHint = taunts->grab().toImage();
        taunts->setEmptyHint({});
        QCOMPARE(withHint != taunts->grab().toImage(), taunts->count() == 0);
        if (taunts->count() == 0)
            continue;
        QListWidgetItem* cut = taunts->findItems(u"Noch hast du mich nicht zum"_s, Qt::MatchStartsWith).first();
        QVERIFY(taunts->fitsItsPlace(taunts->findItems(u"Ok!"_s, Qt::MatchExactly).first()));
        QVERIFY(started.find<ListBox>(u"allKeys"_s)->fitsItsPlace(started.find<ListBox>(u"allKeys"_s)->item(0)));
        const QPoint at = taunts->visualItemRect(cut).center();
        QHelpEvent help(QEvent::ToolTip, at, taunts->viewport()->mapToGlobal(at));
        QApplication::sendEvent(taunts->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), cut->text());
    }
}

void TestSpeechToolWindow::newVoicepackListStartsAtTop() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    auto* taunts = started.find<QListWidget>(u"all_taunts"_s);
    taunts->scrollToBottom();
    QVERIFY(taunts->verticalScrollBar()->value() > 0);
    chooseEntry(started.find<QComboBox>(u"voicepack"_s), u"Marines Voicepack"_s);
    QCOMPARE(taunts->verticalScrollBar()->value(), 0);
}

void TestSpeechToolWindow::removeOneBinding() {
    StartedWindow started(gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\nF6=speech 2 3 -1\r\n"));
    QVERIFY(started.window);
    auto* used = started.find<QListWidget>(u"usedSpeechKeys"_s);
    auto* remove = used->findChild<QAction*>(u"removeBinding"_s);
    QCOMPARE(remove->text(), u"Remove this binding"_s);
    QCOMPARE(used->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(!remove->isEnabled()); // nothing selected

    QVERIFY(started.clickItem(u"usedSpeechKeys"_s, u"F5: "_s));
    QTest::keyClick(used, Qt::Key_Delete);
    QCOMPARE(readValue(started.profile, u"Engine.Input"_s, u"F5"_s), QString());
    QCOMPARE(itemTexts(used), QStringList{u"F6: "_s + column(u"Cover me"_s)});
    QVERIFY(started.clickItem(u"usedSpeechKeys"_s, u"F6: "_s));
    remove->trigger();
    QCOMPARE(used->count(), 0);
    QVERIFY(started.interaction.messages.isEmpty());
}

void TestSpeechToolWindow::accessibleNames() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    started.window->elite_name_changer_Click();
    const std::pair<QWidget*, QString> named[] = {
        {started.find(u"all_taunts"_s), u"All available Speech Taunts"_s},
        {started.find(u"allKeys"_s), u"All available Keys"_s},
        {started.find(u"usedSpeechKeys"_s), u"Currently assigned Taunts"_s},
        {started.find(u"voicepack"_s), u"Currently selected Voicepack"_s},
        {started.find(u"elite_name_changer"_s), u"Elite name changer"_s},
        {started.window->nameChanger()->findChild<QWidget*>(u"namen_eingabe"_s), u"Your name"_s},
        {started.window->nameChanger()->findChild<QWidget*>(u"ergebnis1"_s), u"Elite name, first form"_s},
        {started.window->nameChanger()->findChild<QWidget*>(u"ergebnis2"_s), u"Elite name, second form"_s}};
    for (const auto& [control, name] : named) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        // Where the platform's drop-down reads its value as its name, its label names it.
        QStringList names{accessible->text(QAccessible::Name)};
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            names.append(label->text(QAccessible::Name).remove(u':'));
        QVERIFY2(names.contains(name), qPrintable(names.join(u" | "_s)));
    }
}

void TestSpeechToolWindow::escapeClosesFurtherWindows() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    started.window->info_button_Click();
    started.window->elite_name_changer_Click();
    started.window->keyboard_map_Click();
    const QList<QWidget*> further{started.window->splash(), started.window->nameChanger(),
                                  started.window->keyboardMap()};
    for (QWidget* window : further) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Escape);
        QTRY_VERIFY(!window->isVisible());
    }
    started.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.window.get()));
    QTest::keyClick(started.window.get(), Qt::Key_Escape);
    QVERIFY(started.window->isVisible());
}

void TestSpeechToolWindow::paddedLabelsNeedNoScrollBar() {
    // Kelvanor's labels are padded with blanks: the padding must not widen a list.
    StartedWindow started(gameProfile("grunt1package.Voicegrunt1", "F5=speech 3 4 -1\r\n"));
    QVERIFY(started.window);
    QVERIFY(started.tool.all_taunts().items().contains(u"got him"_s.leftJustified(24, u' ')));
    for (const QString& name : {u"all_taunts"_s, u"allKeys"_s, u"usedSpeechKeys"_s}) {
        auto* list = started.find<ListBox>(name);
        QVERIFY2(!list->horizontalScrollBar()->isVisible(), qPrintable(name));
    }
    const QListWidgetItem* bound = started.find<ListBox>(u"usedSpeechKeys"_s)->item(0);
    QVERIFY(started.find<ListBox>(u"usedSpeechKeys"_s)->fitsItsPlace(bound));
}

void TestSpeechToolWindow::profileLineSwitchesProfile() {
    StartedWindow started(maleTwoProfile());
    QVERIFY(started.window);
    const TempProfile other(gameProfile("DR_BOSS.DR_BOSS"));
    started.interaction.fileAnswers = {other.path()};
    int clicks = 0;
    started.window->setProfileSwitch([&] {
        ++clicks;
        started.tool.switchProfile(
            [&] { return ProfileStartup(started.interaction).chooseAnother({}, other.dir(), nullptr); });
    });
    auto* line = started.find<QLabel>(u"profileLine"_s);
    QVERIFY(line->text().startsWith(u"<a href="_s));
    QCOMPARE(line->toolTip(), QDir::toNativeSeparators(started.profile.path()));

    QVERIFY(line->textInteractionFlags().testFlag(Qt::LinksAccessibleByKeyboard));
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(line->fontMetrics().averageCharWidth(), line->height() / 2));
    QCOMPARE(clicks, 1);
    QCOMPARE(line->toolTip(), QDir::toNativeSeparators(other.path()));
    QCOMPARE(started.find<QComboBox>(u"voicepack"_s)->currentText(), u"DR.Boss Voicepack(german)"_s);
    QCOMPARE(started.find<QLabel>(u"action_status"_s)->text(),
             u"Now editing "_s + QDir::toNativeSeparators(other.path()));
}

QTEST_MAIN(TestSpeechToolWindow)
#include "tst_speechtoolwindow.moc"

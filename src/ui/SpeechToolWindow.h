// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace parlomatic {

struct ActionOutcome;
class ChangeRecorder;
class EliteVoiceChangerWindow;
class GameSession;
class HistoryWindow;
class KeyboardMapWindow;
class ListBox;
class ListModel;
class SpeechTool;
class SplashWindow;
class UserInteraction;
class WavePlayer;

// The main window (SpeechTool): the voicepack choice, the three lists, the
// assign button and the row of command buttons. It draws what the logic
// holds after every handler, forwards selections, choices and clicks to the
// logic, and owns the information window and the name changer, which are
// top-level windows of their own.
class SpeechToolWindow : public QWidget {
    Q_OBJECT

public:
    // tool must have opened its profile; interaction serves the other windows.
    SpeechToolWindow(SpeechTool& tool, UserInteraction& interaction);
    ~SpeechToolWindow() override;

    // The information window, loaded hidden at start-up; null after
    // "Close this Screen" until the next "Info".
    SplashWindow* splash() const;
    // The name changer, or null while it is not open.
    EliteVoiceChangerWindow* nameChanger() const;
    // The keyboard map, or null while it is not open.
    KeyboardMapWindow* keyboardMap() const;
    // The history, or null while it is not open.
    HistoryWindow* history() const;

    // Where the window's and the name changer's changes are recorded; the
    // history window reads the first. Both must outlive the window.
    void setRecorders(ChangeRecorder* window, ChangeRecorder* nameChanger);

    // "Info": shows the information window, loading it first when needed.
    void info_button_Click();
    // "ÊLÏtë Namechanger": opens the one name changer without modality and
    // gives it the profile path; a name changer already open keeps its texts.
    // A newly made further window opens beside this one, on its screen.
    void elite_name_changer_Click();
    // "Keyboard map" (also Ctrl+K): opens the one keyboard map without modality,
    // or brings the open one to the front.
    void keyboard_map_Click();
    // "History…" (also Ctrl+H): opens the one history window without modality,
    // or brings the open one to the front. Needs the recorders.
    void history_Click();
    // "Exit": closes every window and ends the program.
    void exit_button_Click();
    // "Listen" (also Space) on "All available Speech Taunts": plays the
    // selected taunt's sound with the current voicepack; writes nothing.
    void listen_Click();
    // The player Listen hands sounds to instead of the system's (for tests);
    // it must outlive the window.
    void setWavePlayer(WavePlayer& player) { m_player = &player; }

    // Makes the profile line a link whose click runs switchProfile (which
    // offers the profiles found and switches the window to the one chosen).
    void setProfileSwitch(std::function<void()> switchProfile);

    // Shows the session's line in the status strip below the button row, under
    // the word on the last action (a warning colour and icon while the game
    // runs; the strip keeps its height, the controls their places), reads the
    // profile again when it changes under the program, and reports the
    // program's own writes to the session. session must outlive the window.
    void setGameSession(GameSession* session);

protected:
    // Form_Resize: the lists, the panel and the button row follow the height.
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void loadSplash();
    // Brings every control in line with the logic; runs after every handler.
    void showState();
    void showItems(QComboBox* box, const ListModel& model);
    // Taunts on a key in bold, with the keys in their tooltip.
    void showBoundTaunts();
    void showStatusLine();
    // The action's description in the strip, until the next action says something.
    void showOutcome(const ActionOutcome& outcome);
    void ownActionDone();
    // The height the status strip takes, in pixels, lines shown or not.
    int statusStripHeight() const;
    int statusLineHeight() const;
    int statusGap() const;
    void placeStatusStrip(int top);
    // Returns true when the list was filled anew.
    bool showItems(QListWidget* list, const ListModel& model);
    // Plays key layoutIndex of the keyboard map, as Listen there asks.
    void listenToMapKey(int layoutIndex);
    // The player set for tests, or else the system's, made when first needed.
    WavePlayer& player();

    SpeechTool& m_tool;
    UserInteraction& m_interaction;

    QComboBox* m_voicepack = nullptr;
    ListBox* m_allTaunts = nullptr;
    ListBox* m_allKeys = nullptr;
    ListBox* m_usedSpeechKeys = nullptr;
    // "Remove this binding": the Delete key and the context menu of usedSpeechKeys.
    QAction* m_removeBinding = nullptr;
    // "Listen": the Space key and the context menu of all_taunts.
    QAction* m_listen = nullptr;
    WavePlayer* m_player = nullptr;
    std::unique_ptr<WavePlayer> m_systemPlayer;
    QFrame* m_frame = nullptr;
    QLineEdit* m_myTemp = nullptr;
    QLabel* m_profileLine = nullptr;
    QLineEdit* m_mytest = nullptr;
    QList<QPushButton*> m_bottomRow;
    QLabel* m_actionLine = nullptr;
    QLabel* m_gameIcon = nullptr;
    QLabel* m_statusLine = nullptr;
    GameSession* m_session = nullptr;
    std::function<void()> m_switchProfile;
    // The tool's count of profile writes when they were last handed to the session.
    ChangeRecorder* m_windowChanges = nullptr;
    ChangeRecorder* m_nameChanges = nullptr;

    QPointer<SplashWindow> m_splash;
    QPointer<EliteVoiceChangerWindow> m_nameChanger;
    QPointer<KeyboardMapWindow> m_keyboardMap;
    QPointer<HistoryWindow> m_history;
};

} // namespace parlomatic

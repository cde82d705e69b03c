#pragma once

#include <QPointer>
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace parlomatic {

class EliteVoiceChangerWindow;
class ListModel;
class SpeechTool;
class SplashWindow;
class UserInteraction;

// The main window (SpeechTool): the voicepack choice, the three lists, the
// assign button and the row of command buttons. It draws what the logic
// holds after every handler, forwards selections, choices and clicks to the
// logic, and owns the information window and the name changer, which are
// top-level windows of their own.
class SpeechToolWindow : public QWidget {
    Q_OBJECT

public:
    // tool must have run Form_Load; interaction serves the other windows.
    SpeechToolWindow(SpeechTool& tool, UserInteraction& interaction);
    ~SpeechToolWindow() override;

    // The information window, loaded hidden at start-up; null after
    // "Close this Screen" until the next "Info".
    SplashWindow* splash() const;
    // The name changer, or null while it is not open.
    EliteVoiceChangerWindow* nameChanger() const;

    // "Info": shows the information window, loading it first when needed.
    void info_button_Click();
    // "ÊLÏtë Namechanger": opens the one name changer without modality and
    // gives it the profile path; a name changer already open keeps its texts.
    void elite_name_changer_Click();
    // "Exit": closes every window and ends the program.
    void exit_button_Click();

protected:
    // Form_Resize: the lists, the panel and the button row follow the height.
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void loadSplash();
    // Brings every control in line with the logic; runs after every handler.
    void showState();
    void showItems(QComboBox* box, const ListModel& model);
    void showItems(QListWidget* list, const ListModel& model);

    SpeechTool& m_tool;
    UserInteraction& m_interaction;

    QComboBox* m_voicepack = nullptr;
    QListWidget* m_allTaunts = nullptr;
    QListWidget* m_allKeys = nullptr;
    QListWidget* m_usedSpeechKeys = nullptr;
    QFrame* m_frame = nullptr;
    QLineEdit* m_myTemp = nullptr;
    QLabel* m_profileLine = nullptr;
    QLineEdit* m_mytest = nullptr;
    QList<QPushButton*> m_bottomRow;

    QPointer<SplashWindow> m_splash;
    QPointer<EliteVoiceChangerWindow> m_nameChanger;
};

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace parlomatic {

class KeyboardMapView;
class SpeechTool;
class UserInteraction;

// The window "Keyboard map": the drawn map of what each key holds, a line
// telling what the key at the keyboard's position holds, and "Save
// picture…". It works on the main window's logic, without modality; closing
// it deletes it.
class KeyboardMapWindow : public QWidget {
    Q_OBJECT

public:
    KeyboardMapWindow(SpeechTool& tool, UserInteraction& interaction);

    KeyboardMapView* view() const { return m_view; }

    // Redraws the map from the profile; the main window calls it after every handler.
    void showState();
    // "Save picture…": asks for a file and writes the picture as PNG.
    void savePicture_Click();

signals:
    // "Listen" on key layoutIndex of the map (Space or its context menu).
    void listenRequested(int layoutIndex);

private:
    SpeechTool& m_tool;
    UserInteraction& m_interaction;
    KeyboardMapView* m_view = nullptr;
    QLabel* m_focusLine = nullptr;
};

} // namespace parlomatic

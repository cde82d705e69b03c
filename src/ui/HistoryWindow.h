// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace parlomatic {

class ChangeHistory;
class SpeechTool;

// The window "History": the changes the program made to the profile, newest
// first, with "Undo" for the latest, "Undo back to here" for the selected one
// and "Restore original" for the profile as it was before the program first
// changed it. It works on the main window's logic, without modality; Escape
// or "Close" closes it, which deletes it.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    HistoryWindow(SpeechTool& tool, const ChangeHistory& history);

    QTreeWidget* list() const { return m_list; }

    // Reads the history again; the main window calls it after every handler.
    void showState();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    qint64 selectedId() const;

    SpeechTool& m_tool;
    const ChangeHistory& m_history;
    QTreeWidget* m_list = nullptr;
    QLabel* m_problem = nullptr;
    QPushButton* m_undoBackTo = nullptr;
};

} // namespace parlomatic

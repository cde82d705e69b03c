// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace parlomatic {

class UserInteraction;

// The information window (frmSplash): the product line, a credit line, short
// instructions, a disclaimer, the download address and a button that opens
// it in the browser. It has no title bar and no task-bar entry, and is centred
// on the screen whenever it is shown. It holds no state of its own beyond the
// captions; the main window sets the product line. Its controls are created
// when it is first shown.
class SplashWindow : public QFrame {
    Q_OBJECT

public:
    explicit SplashWindow(UserInteraction& interaction);

    // Sets the caption of lblCompanyProduct; the label grows or shrinks to fit it.
    void setProductLine(const QString& line);
    QString productLine() const;

    // "Close this Screen": shrinks the window from its bottom edge, ignoring
    // input meanwhile, then hides it, emits unloaded() and deletes it later.
    void Command2_Click();
    // "Visit": opens the download site; the window stays.
    void Command3_Click();

    void setVisible(bool visible) override;

signals:
    // The window is gone; the next one starts with the initial product line.
    void unloaded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void placeAddressRow(QLineEdit* address, QLabel* orLabel, QPushButton* visit);
    // "Language:" and its drop-down; a choice is remembered for the next start.
    QComboBox* buildLanguageRow();

    UserInteraction& m_interaction;
    QString m_productLine;
    QLabel* m_product = nullptr;
    QLabel* m_platform = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_languageNote = nullptr;
};

} // namespace parlomatic

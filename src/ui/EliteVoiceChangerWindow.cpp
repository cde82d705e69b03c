// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EliteVoiceChangerWindow.h"

#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace parlomatic {

namespace {

// The write buttons, 2880 and 2295 twips as designed, reach 45 twips further
// to the left and 60 further to the right, so that their captions fit in
// fonts a little wider than the standard dialog font.
constexpr int writeLeft = 2835;
constexpr int writeWidth = 2400;

} // namespace

EliteVoiceChangerWindow::EliteVoiceChangerWindow(UserInteraction& interaction)
    : QWidget(nullptr, Qt::Window), m_logic(interaction) {
    setObjectName(QStringLiteral("EliteVoiceChanger"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    setWindowTitle(tr("Name Changer"));
    setWindowIcon(pngIcon(QStringLiteral(":/pictures/namechanger-icon.png")));
    setFont(dialogFont());
    resize(pixels(5295), pixels(2280));

    // The frame lies behind every other control; the controls in its band are not its children.
    auto* frame = placed(new QFrame(this), QStringLiteral("Frame1"), twipsRect(0, 360, 5295, 1335));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto* name = placed(new QLineEdit(this), QStringLiteral("namen_eingabe"), twipsRect(0, 0, 2655, 375));
    m_ergebnis1 = placed(new QLineEdit(this), QStringLiteral("ergebnis1"), twipsRect(120, 960, 2655, 285));
    auto* brackets =
        placed(new QPushButton(tr("Add Brackets"), this), QStringLiteral("add_tm"), twipsRect(120, 600, 1215, 255));
    m_ergebnis2 = placed(new QLineEdit(this), QStringLiteral("ergebnis2"), twipsRect(120, 1320, 2655, 285));
    auto* write1 = placed(new QPushButton(tr("write this name to my kvuser.ini"), this), QStringLiteral("write_name1"),
                          twipsRect(writeLeft, 960, writeWidth, 255));
    auto* write2 = placed(new QPushButton(tr("or write this name to kvuser.ini"), this), QStringLiteral("write_name2"),
                          twipsRect(writeLeft, 1320, writeWidth, 255));
    m_iniPath =
        placed(new QLineEdit(m_logic.iniPath(), this), QStringLiteral("ini_path"), twipsRect(4560, 1560, 495, 285));
    m_iniPath->hide();
    auto* close = placed(new QPushButton(tr("Close this Window"), this), QStringLiteral("exit_namechanger"),
                         twipsRect(120, 1800, 5055, 375));
    close->setFont(dialogFont(9.75));
    placed(captionLabel(tr("Please enter your Name here"), this), QStringLiteral("Label1"),
           twipsRect(2760, 120, 2295, 255));
    for (QLineEdit* result : {m_ergebnis1, m_ergebnis2})
        result->setFont(timesFont(8.25));
    name->setAccessibleName(tr("Your name"));
    m_ergebnis1->setAccessibleName(tr("Elite name, first form"));
    m_ergebnis2->setAccessibleName(tr("Elite name, second form"));
    enterClicksFocusedButton(this);

    QWidget* focusOrder[] = {name, m_ergebnis1, brackets, m_ergebnis2, write1, write2, close};
    for (std::size_t i = 1; i < std::size(focusOrder); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);

    m_logic.setResultsChangedHandler([this] { showResults(); });
    connect(name, &QLineEdit::textChanged, this, [this](const QString& text) { m_logic.setNamenEingabe(text); });
    connect(m_ergebnis1, &QLineEdit::textEdited, this, [this](const QString& text) { m_logic.setErgebnis1(text); });
    connect(m_ergebnis2, &QLineEdit::textEdited, this, [this](const QString& text) { m_logic.setErgebnis2(text); });
    connect(brackets, &QPushButton::clicked, this, [this] { m_logic.add_tm_Click(); });
    connect(write1, &QPushButton::clicked, this, [this] {
        if (m_logic.write_name1_Click())
            emit nameWritten();
    });
    connect(write2, &QPushButton::clicked, this, [this] {
        if (m_logic.write_name2_Click())
            emit nameWritten();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void EliteVoiceChangerWindow::setRecorder(ChangeRecorder* recorder) {
    m_logic.setRecorder(recorder);
}

void EliteVoiceChangerWindow::setIniPath(const QString& path) {
    m_logic.setIniPath(path);
    m_iniPath->setText(path);
}

void EliteVoiceChangerWindow::showResults() {
    m_ergebnis1->setText(m_logic.ergebnis1());
    m_ergebnis2->setText(m_logic.ergebnis2());
}

} // namespace parlomatic

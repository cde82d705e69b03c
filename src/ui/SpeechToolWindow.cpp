// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpeechToolWindow.h"

#include "editor/SpeechTool.h"
#include "gamewatch/GameSession.h"
#include "listen/TauntListener.h"
#include "player/SystemWavePlayer.h"
#include "ui/ChoiceDropDown.h"
#include "ui/Controls.h"
#include "ui/EliteVoiceChangerWindow.h"
#include "ui/FirstPaint.h"
#include "ui/Fonts.h"
#include "ui/HistoryWindow.h"
#include "ui/KeyboardMapWindow.h"
#include "ui/ListBox.h"
#include "ui/MainWindowGeometry.h"
#include "ui/Pictures.h"
#include "ui/ProgramIcon.h"
#include "ui/SplashWindow.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"
#include "ui/WrappingButton.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace parlomatic {

namespace {

constexpr int clientWidth = mainWindowOuterWidth - mainWindowFrameWidth;
constexpr int minimumClientHeight = mainWindowMinimumOuterHeight - mainWindowFrameHeight;
// The status strip below the button row: the word on the last action in one
// line, the game's line in two below it. It keeps its height, so the window
// does not jump as lines come and go.
constexpr int statusLines = 3;
// The text colour of the game's warning: a dark amber that reads on a light window.
const QColor warningColour(0x9a, 0x4d, 0x00);

QLabel* label(const QString& objectName, const QString& caption, const QRect& place, QWidget* parent) {
    return placed(captionLabel(caption, parent), objectName, place);
}

ListBox* list(const QString& objectName, const QString& accessibleName, const QRect& place, QWidget* parent) {
    auto* result = placed(new ListBox(parent), objectName, place);
    result->setSelectionMode(QAbstractItemView::SingleSelection);
    result->setUniformItemSizes(true);
    result->setAccessibleName(accessibleName);
    return result;
}

QLineEdit* hiddenTextBox(const QString& objectName, const QString& text, const QRect& place, QWidget* parent) {
    auto* result = placed(new QLineEdit(text, parent), objectName, place);
    result->hide();
    return result;
}

// The selected row of a list, or -1.
int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

} // namespace

SpeechToolWindow::SpeechToolWindow(SpeechTool& tool, UserInteraction& interaction)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      m_tool(tool), m_interaction(interaction) {
    setObjectName(QStringLiteral("SpeechTool"));
    // The large sizes of the icon, for window switchers, follow the first frame.
    setWindowIcon(titleBarProgramIcon());
    runAfterFirstPaint(this, [this] { setWindowIcon(programIcon()); });
    setFont(dialogFont());
    buildControls();
    setFixedWidth(pixels(clientWidth));
    setMinimumHeight(pixels(minimumClientHeight) + statusStripHeight());
    resize(pixels(clientWidth), pixels(minimumClientHeight) + statusStripHeight());

    loadSplash();
    showState();
    m_tool.setChangeObserver([this](const ActionOutcome& outcome) {
        showState();
        showOutcome(outcome);
        // Only a handler that wrote hands the profile to the game's watch as
        // the player's: after a mere selection, a change another program made
        // meanwhile must still be seen as that program's.
        if (!outcome.change.isEmpty())
            ownActionDone();
    });
}

SpeechToolWindow::~SpeechToolWindow() {
    m_tool.setChangeObserver({});
    delete m_keyboardMap.data();
    delete m_history.data();
    delete m_nameChanger.data();
    delete m_splash.data();
}

SplashWindow* SpeechToolWindow::splash() const {
    return m_splash;
}

EliteVoiceChangerWindow* SpeechToolWindow::nameChanger() const {
    return m_nameChanger;
}

KeyboardMapWindow* SpeechToolWindow::keyboardMap() const {
    return m_keyboardMap;
}

HistoryWindow* SpeechToolWindow::history() const {
    return m_history;
}

void SpeechToolWindow::setRecorders(ChangeRecorder* window, ChangeRecorder* nameChanger) {
    m_windowChanges = window;
    m_nameChanges = nameChanger;
}

void SpeechToolWindow::buildControls() {
    // Created from back to front, so that later controls lie in front.
    // Starts 60 twips left of its designed 120, so that its colon clears the
    // drop-down in fonts a little wider than the standard dialog font.
    QLabel* voicepackLabel =
        label(QStringLiteral("Label4"), tr("Currently selected Voicepack:"), twipsRect(60, 120, 2295, 255), this);
    label(QStringLiteral("Label5"), tr("Path to kvuser.ini:"), twipsRect(5280, 120, 1335, 255), this)->hide();

    m_frame = placed(whitePanel(this), QStringLiteral("Frame1"), twipsRect(0, 480, 9975, 4575));
    for (const auto& [name, file, left] :
         {std::tuple{QStringLiteral("Image1"), QStringLiteral(":/pictures/plus.png"), 3120},
          std::tuple{QStringLiteral("Image2"), QStringLiteral(":/pictures/equals.png"), 6480}}) {
        placed(new QLabel(m_frame), name, twipsRect(left, 2400, 600, 600))->setPixmap(pngPicture(file));
    }
    label(QStringLiteral("Label3"), tr("Currently assigned Taunts:"), twipsRect(7080, 120, 2295, 255), m_frame);
    label(QStringLiteral("Label2"), tr("All available Keys:"), twipsRect(3840, 120, 2535, 255), m_frame);
    label(QStringLiteral("Label1"), tr("All available Speech Taunts:"), twipsRect(120, 120, 2175, 255), m_frame);

    m_voicepack = placed(new ChoiceDropDown(this), QStringLiteral("voicepack"), twipsRect(2280, 120, 2775, 315));
    // On some platforms a drop-down reads its value as its name; there its label names it.
    m_voicepack->setAccessibleName(tr("Currently selected Voicepack"));
    voicepackLabel->setBuddy(m_voicepack);
    m_allTaunts =
        list(QStringLiteral("all_taunts"), tr("All available Speech Taunts"), twipsRect(120, 840, 2895, 4155), this);
    m_allTaunts->setEmptyHint(tr("Choose your voicepack above"));
    m_allKeys = list(QStringLiteral("allKeys"), tr("All available Keys"), twipsRect(3840, 840, 2655, 4155), this);
    m_usedSpeechKeys =
        list(QStringLiteral("usedSpeechKeys"), tr("Currently assigned Taunts"), twipsRect(7080, 840, 2655, 4155), this);
    m_removeBinding = new QAction(tr("Remove this binding"), m_usedSpeechKeys);
    m_removeBinding->setObjectName(QStringLiteral("removeBinding"));
    m_removeBinding->setShortcut(QKeySequence::Delete);
    m_removeBinding->setShortcutContext(Qt::WidgetShortcut);
    m_usedSpeechKeys->addAction(m_removeBinding);
    m_usedSpeechKeys->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_listen = new QAction(tr("Listen"), m_allTaunts);
    m_listen->setObjectName(QStringLiteral("listen"));
    m_listen->setShortcut(Qt::Key_Space);
    m_listen->setShortcutContext(Qt::WidgetShortcut);
    m_allTaunts->addAction(m_listen);
    m_allTaunts->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_mytest = hiddenTextBox(QStringLiteral("mytest"), m_tool.mytest(), twipsRect(4440, 3120, 615, 495), this);

    auto* assign = placed(new WrappingButton(tr("assign Taunt to key"), this), QStringLiteral("assignSpeech"),
                          twipsRect(3120, 1200, 615, 1575));
    auto* exit =
        placed(new QPushButton(tr("Exit"), this), QStringLiteral("exit_button"), twipsRect(9000, 5160, 975, 375));
    auto* info =
        placed(new QPushButton(tr("Info"), this), QStringLiteral("info_button"), twipsRect(0, 5160, 1095, 375));
    auto* erase = placed(new QPushButton(tr("Del all Speech Entrys"), this), QStringLiteral("erase_speech"),
                         twipsRect(7200, 5160, 1695, 375));
    auto* restore = placed(new QPushButton(tr("Restore old kvuser.ini"), this), QStringLiteral("Restore_ini"),
                           twipsRect(5280, 5160, 1815, 375));
    m_myTemp = hiddenTextBox(QStringLiteral("my_temp"), m_tool.my_temp(), twipsRect(6600, 120, 3375, 285), this);
    // Which file is edited, in the free space right of the drop-down.
    m_profileLine = placed(new QLabel(this), QStringLiteral("profileLine"), twipsRect(5280, 150, 4695, 255));
    auto* nameChanger = placed(new QPushButton(tr("ÊLÏtë Namechanger"), this), QStringLiteral("elite_name_changer"),
                               twipsRect(1200, 5160, 1575, 375));
    // In the free space of the bottom row, between the name changer and the restore button.
    auto* keyboardMap = placed(new QPushButton(tr("Keyboard map"), this), QStringLiteral("keyboard_map"),
                               twipsRect(2880, 5160, 1215, 375));
    auto* history =
        placed(new QPushButton(tr("History…"), this), QStringLiteral("history"), twipsRect(4170, 5160, 990, 375));
    nameChanger->setAccessibleName(tr("Elite name changer"));
    enterClicksFocusedButton(this);
    m_bottomRow = {info, restore, nameChanger, erase, exit, keyboardMap, history};
    m_actionLine = new QLabel(this);
    m_actionLine->setObjectName(QStringLiteral("action_status"));
    m_actionLine->setTextFormat(Qt::PlainText);
    m_gameIcon = new QLabel(this);
    m_gameIcon->setObjectName(QStringLiteral("game_status_icon"));
    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("game_status"));
    m_statusLine->setTextFormat(Qt::PlainText);
    m_statusLine->setWordWrap(true);
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusLine->hide();
    m_gameIcon->hide();

    QWidget* focusOrder[] = {m_voicepack, m_allTaunts, m_allKeys, m_usedSpeechKeys, assign,      exit,
                             info,        erase,       restore,   nameChanger,      keyboardMap, history};
    for (std::size_t i = 1; i < std::size(focusOrder); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);

    connect(m_voicepack, &QComboBox::activated, this, [this](int index) { m_tool.chooseVoicepack(index); });
    connect(m_allTaunts, &QListWidget::itemSelectionChanged, this,
            [this] { m_tool.selectTaunt(selectedRow(m_allTaunts)); });
    connect(m_allKeys, &QListWidget::itemSelectionChanged, this, [this] { m_tool.selectKey(selectedRow(m_allKeys)); });
    connect(m_usedSpeechKeys, &QListWidget::itemSelectionChanged, this,
            [this] { m_tool.selectUsedKey(selectedRow(m_usedSpeechKeys)); });
    connect(assign, &QPushButton::clicked, this, [this] { m_tool.assignSpeech_Click(); });
    connect(erase, &QPushButton::clicked, this, [this] { m_tool.erase_speech_Click(); });
    connect(restore, &QPushButton::clicked, this, [this] { m_tool.Restore_ini_Click(); });
    connect(m_removeBinding, &QAction::triggered, this, [this] { m_tool.removeSpeechBinding_Click(); });
    connect(m_listen, &QAction::triggered, this, &SpeechToolWindow::listen_Click);
    connect(info, &QPushButton::clicked, this, &SpeechToolWindow::info_button_Click);
    connect(nameChanger, &QPushButton::clicked, this, &SpeechToolWindow::elite_name_changer_Click);
    connect(exit, &QPushButton::clicked, this, &SpeechToolWindow::exit_button_Click);
    connect(keyboardMap, &QPushButton::clicked, this, &SpeechToolWindow::keyboard_map_Click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this), &QShortcut::activated, this,
            &SpeechToolWindow::keyboard_map_Click);
    connect(history, &QPushButton::clicked, this, &SpeechToolWindow::history_Click);
    connect(m_profileLine, &QLabel::linkActivated, this, [this] {
        if (m_switchProfile)
            m_switchProfile();
    });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this), &QShortcut::activated, this,
            &SpeechToolWindow::history_Click);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, [this] { m_tool.undoLatest(); });
}

void SpeechToolWindow::listen_Click() {
    TauntListener(m_tool, player(), m_interaction).listenToSelectedTaunt();
}

void SpeechToolWindow::listenToMapKey(int layoutIndex) {
    TauntListener(m_tool, player(), m_interaction).listenToMapKey(layoutIndex);
}

WavePlayer& SpeechToolWindow::player() {
    if (m_player != nullptr)
        return *m_player;
    if (!m_systemPlayer)
        m_systemPlayer = makeSystemWavePlayer();
    return *m_systemPlayer;
}

void SpeechToolWindow::loadSplash() {
    m_splash = new SplashWindow(m_interaction);
    m_splash->setProductLine(m_tool.lblCompanyProduct());
    connect(m_splash, &SplashWindow::unloaded, this, [this] {
        m_splash = nullptr;
        m_tool.splashUnloaded();
    });
}

void SpeechToolWindow::info_button_Click() {
    if (!m_splash)
        loadSplash();
    m_splash->show();
    m_splash->raise();
    m_splash->activateWindow();
}

void SpeechToolWindow::elite_name_changer_Click() {
    if (!m_nameChanger) {
        m_nameChanger = new EliteVoiceChangerWindow(m_interaction);
        placeBeside(m_nameChanger, this);
    }
    m_nameChanger->setRecorder(m_nameChanges);
    m_nameChanger->setIniPath(m_tool.profilePath());
    connect(m_nameChanger, &EliteVoiceChangerWindow::nameWritten, this, &SpeechToolWindow::ownActionDone,
            Qt::UniqueConnection);
    m_nameChanger->show();
    m_nameChanger->raise();
    m_nameChanger->activateWindow();
}

void SpeechToolWindow::keyboard_map_Click() {
    if (!m_keyboardMap) {
        m_keyboardMap = new KeyboardMapWindow(m_tool, m_interaction);
        placeBeside(m_keyboardMap, this);
    }
    connect(m_keyboardMap, &KeyboardMapWindow::listenRequested, this, &SpeechToolWindow::listenToMapKey,
            Qt::UniqueConnection);
    m_keyboardMap->show();
    m_keyboardMap->raise();
    m_keyboardMap->activateWindow();
}

void SpeechToolWindow::history_Click() {
    if (m_windowChanges == nullptr)
        return;
    if (!m_history) {
        m_history = new HistoryWindow(m_tool, m_windowChanges->history());
        placeBeside(m_history, this);
    }
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

void SpeechToolWindow::exit_button_Click() {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void SpeechToolWindow::setProfileSwitch(std::function<void()> switchProfile) {
    m_switchProfile = std::move(switchProfile);
    m_profileLine->setTextFormat(Qt::RichText);
    m_profileLine->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(
        m_profileLine, &QLabel::linkActivated, this, [this] { m_switchProfile(); }, Qt::UniqueConnection);
    showState();
}

void SpeechToolWindow::setGameSession(GameSession* session) {
    m_session = session;
    connect(session, &GameSession::statusLineChanged, this, &SpeechToolWindow::showStatusLine);
    connect(session, &GameSession::profileChanged, this, [this] {
        // A change seen while a question of an action is open is read by
        // that action's own refresh, and then counts as the program's.
        if (!m_tool.acting())
            m_tool.refreshKeepingSelections();
    });
    showStatusLine();
}

void SpeechToolWindow::ownActionDone() {
    if (m_session)
        m_session->ownChangesDone();
}

int SpeechToolWindow::statusStripHeight() const {
    return statusLines * statusLineHeight() + 2 * statusGap();
}

int SpeechToolWindow::statusLineHeight() const {
    // A font's leading may be negative: a line then needs what its text takes.
    return std::max(fontMetrics().lineSpacing(),
                    fontMetrics().boundingRect(QRect(), Qt::AlignLeft, QStringLiteral("\u00C1g")).height());
}

int SpeechToolWindow::statusGap() const {
    return statusLineHeight() / 4;
}

void SpeechToolWindow::showOutcome(const ActionOutcome& outcome) {
    // A mere selection leaves the word on the last action.
    if (outcome.description.isEmpty())
        return;
    m_actionLine->setText(
        m_actionLine->fontMetrics().elidedText(outcome.description, Qt::ElideRight, m_actionLine->width()));
    m_actionLine->setToolTip(outcome.description);
}

void SpeechToolWindow::showStatusLine() {
    const QString line = m_session ? m_session->statusLine() : QString();
    const bool warning = m_session && m_session->gameRunning() && !line.isEmpty();
    m_statusLine->setText(line);
    m_statusLine->setVisible(!line.isEmpty());
    m_gameIcon->setVisible(!line.isEmpty());
    const int iconSize = fontMetrics().height();
    m_gameIcon->setPixmap(style()
                              ->standardIcon(warning ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation)
                              .pixmap(iconSize, iconSize));
    QPalette colours = palette();
    if (warning)
        colours.setColor(QPalette::WindowText, warningColour);
    m_statusLine->setPalette(colours);
}

void SpeechToolWindow::placeStatusStrip(int top) {
    const int line = statusLineHeight();
    const int left = pixels(60);
    const int width = pixels(clientWidth - 120);
    const int iconWidth = fontMetrics().height() + fontMetrics().averageCharWidth();
    m_actionLine->setGeometry(left, top + statusGap(), width, line);
    m_gameIcon->setGeometry(left, top + statusGap() + line, iconWidth, line);
    m_statusLine->setGeometry(left + iconWidth, top + statusGap() + line, width - iconWidth, 2 * line);
}

void SpeechToolWindow::resizeEvent(QResizeEvent* event) {
    // The window's size limits already hold the width and the minimum height;
    // the controls follow the outer height, less the status strip below them.
    const int height = event->size().height() - statusStripHeight();
    const MainWindowGeometry geometry = mainWindowGeometry(twips(height) + mainWindowFrameHeight);
    for (QListWidget* column : {m_allTaunts, m_allKeys, m_usedSpeechKeys})
        column->resize(column->width(), pixels(geometry.listHeight));
    m_frame->resize(m_frame->width(), pixels(geometry.frameHeight));
    for (QPushButton* button : m_bottomRow)
        button->move(button->x(), pixels(geometry.buttonTop));
    placeStatusStrip(height);
    QWidget::resizeEvent(event);
}

void SpeechToolWindow::showState() {
    setWindowTitle(m_tool.caption());
    showItems(m_voicepack, m_tool.voicepack());
    // The taunts change only with the voicepack: a new voicepack's list starts at its top.
    if (showItems(m_allTaunts, m_tool.all_taunts()))
        m_allTaunts->scrollToTop();
    showBoundTaunts();
    showItems(m_allKeys, m_tool.allKeys());
    showItems(m_usedSpeechKeys, m_tool.usedSpeechKeys());
    m_removeBinding->setEnabled(m_tool.usedSpeechKeys().selectedIndex() >= 0);
    m_mytest->setText(m_tool.mytest());
    m_myTemp->setText(m_tool.my_temp());
    const QString profile = QDir::toNativeSeparators(m_tool.profilePath());
    const QString note = profileInStoreNote(m_tool.profilePlace());
    const QString shownPath = m_tool.profilePlace().copyOf.isEmpty() ? profile : profile + tr(" (VirtualStore copy)");
    const QString shown = m_profileLine->fontMetrics().elidedText(shownPath, Qt::ElideMiddle, m_profileLine->width());
    m_profileLine->setText(m_switchProfile ? QStringLiteral("<a href=\"profile\">%1</a>").arg(shown.toHtmlEscaped())
                                           : shown);
    const QString tip = note.isEmpty() ? profile : profile + QLatin1Char('\n') + note;
    m_profileLine->setToolTip(tip);
    setToolTip(tip);
    if (m_splash)
        m_splash->setProductLine(m_tool.lblCompanyProduct());
    if (m_keyboardMap)
        m_keyboardMap->showState();
    if (m_history)
        m_history->showState();
}

void SpeechToolWindow::showBoundTaunts() {
    QFont bold = m_allTaunts->font();
    bold.setBold(true);
    for (int row = 0; row < m_allTaunts->count(); ++row) {
        QListWidgetItem* item = m_allTaunts->item(row);
        const QString keys = SpeechTool::onKeysText(m_tool.keysOfTaunt(row));
        item->setFont(keys.isEmpty() ? m_allTaunts->font() : bold);
        item->setToolTip(keys);
    }
}

void SpeechToolWindow::showItems(QComboBox* box, const ListModel& model) {
    const QSignalBlocker blocker(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown.append(box->itemText(i));
    if (shown != model.items()) {
        box->clear();
        box->addItems(model.items());
    }
    box->setCurrentIndex(model.selectedIndex());
}

bool SpeechToolWindow::showItems(QListWidget* list, const ListModel& model) {
    const QSignalBlocker blocker(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown.append(list->item(i)->text());
    // Filling a list again only when its items changed keeps its scroll position.
    const bool refill = shown != model.items();
    if (refill) {
        list->clear();
        list->addItems(model.items());
    }
    if (model.selectedIndex() < 0) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(model.selectedIndex());
    }
    return refill;
}

} // namespace parlomatic

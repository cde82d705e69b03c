// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/SpeechTool.h"
#include "history/ChangeHistory.h"
#include "history/ChangeRecorder.h"
#include "support/ScriptedInteraction.h"
#include "support/StartedTool.h"
#include "support/TempProfile.h"
#include "ui/EliteVoiceChangerWindow.h"
#include "ui/HistoryWindow.h"
#include "ui/KeyboardMapWindow.h"
#include "ui/SpeechToolWindow.h"
#include "ui/SplashWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace parlomatic::test {

// A started program on the offscreen platform: a profile in a fresh folder
// that stands in for the program's own, start-up run there with scripted
// answers, and the main window built over the logic and shown.
struct StartedWindow {
    TempProfile profile;
    ScriptedInteraction interaction;
    SpeechTool tool{interaction};
    std::unique_ptr<SpeechToolWindow> window;

    explicit StartedWindow(const QByteArray& content) : profile(content) {
        if (!startUp(tool, interaction, {profile.dir()}, profile.dir()))
            return;
        window = std::make_unique<SpeechToolWindow>(tool, interaction);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            window.reset();
    }

    template <typename Control = QWidget> Control* find(const QString& objectName) const {
        return window->findChild<Control*>(objectName);
    }

    void click(const QString& objectName) const { QTest::mouseClick(find(objectName), Qt::LeftButton); }

    // Clicks the item of the list whose text starts with prefix; false when there is none.
    bool clickItem(const QString& listName, const QString& prefix) const {
        auto* list = find<QListWidget>(listName);
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            if (!item->text().startsWith(prefix))
                continue;
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
            return true;
        }
        return false;
    }
};

// The main window after one assign, and every window it opens shown beside it:
// the information window, the name changer, the keyboard map and the history.
struct EveryWindowOpen {
    StartedWindow started{gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\n")};
    QTemporaryDir historyFolder;
    const ChangeHistory history{historyFolder.path()};
    ChangeRecorder recorder{history, ChangeSource::Window, [] { return false; }};
    QList<QWidget*> windows;

    EveryWindowOpen() {
        if (!started.window)
            return;
        started.window->setRecorders(&recorder, &recorder);
        started.tool.setRecorder(&recorder);
        started.tool.selectTaunt(0);
        started.tool.selectKey(5);
        started.tool.assignSpeech_Click();
        started.window->info_button_Click();
        started.window->elite_name_changer_Click();
        started.window->keyboard_map_Click();
        started.window->history_Click();
        windows = {started.window.get(), started.window->splash(), started.window->nameChanger(),
                   started.window->keyboardMap(), started.window->history()};
    }
};

// The texts of a list's items.
inline QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// The top-level widgets with the given object name that are visible.
inline int visibleWindows(const QString& objectName) {
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            ++count;
    }
    return count;
}

// The object names of the widgets that hold the focus, starting with first
// and then after each of presses presses of Tab.
inline QStringList focusAfterTabs(QWidget* first, qsizetype presses) {
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    return visited;
}

// The captions among window's visible buttons and labels that do not fit
// their control: a button's caption must fit its contents area (on one line,
// or wrapped for a button that wraps), a label's caption its width (on one
// line, or wrapped within its height for a label that wraps).
inline QStringList captionsThatDoNotFit(const QWidget* window) {
    QStringList failures;
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(window))
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const bool wraps = button->inherits("parlomatic::WrappingButton");
        const QRect needed = button->fontMetrics().boundingRect(
            contents, Qt::AlignCenter | (wraps ? Qt::TextWordWrap : 0), button->text());
        if (!contents.contains(needed))
            failures.append(button->objectName());
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const QRect needed = label->fontMetrics().boundingRect(
            label->rect(), Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
        if (!label->rect().contains(needed))
            failures.append(label->objectName());
    }
    return failures;
}

} // namespace parlomatic::test

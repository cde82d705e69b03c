// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CurrentTauntTable.h"
#include "editor/ActionOutcome.h"
#include "editor/KeyChanges.h"
#include "editor/ListModel.h"
#include "history/ChangeRecorder.h"
#include "history/Undo.h"
#include "locate/VirtualStore.h"
#include "profile/ProfileFile.h"
#include "profile/UserInteraction.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace parlomatic {

// The logic of the main window: what it shows and what each of its commands
// does. It holds no widgets; the window draws this state, forwards the
// player's clicks and choices, and implements UserInteraction for the
// questions and messages. Every handler runs to its end; handlers nest the way
// the window's events would (a refresh selects the first voicepack entry,
// whose handling may start a nested refresh through the relay text mytest).
class SpeechTool {
    Q_DECLARE_TR_FUNCTIONS(SpeechTool)

public:
    explicit SpeechTool(UserInteraction& interaction);

    // Starts editing the profile start-up settled (see ProfileStartup): sets
    // profilePath as setProfilePath does and refreshes twice.
    void open(const ProfileInStore& profile);

    // Where the handlers' changes go: each action that changed the profile
    // becomes one change of the history. Without one nothing is recorded, and
    // a removed taunt never offers to put a command back.
    void setRecorder(ChangeRecorder* recorder) { m_recorder = recorder; }

    // The profile line was clicked: choose settles another profile (see
    // ProfileStartup::chooseAnother), its questions open while this action
    // runs. A profile chosen is opened as at a start and the outcome names it
    // ("Now editing <path>"); nothing chosen: nothing changes and the outcome
    // has no description.
    ActionOutcome switchProfile(const std::function<std::optional<ProfileInStore>()>& choose);

    // Sets profilePath (and from it backupPath and my_temp) without a backup or
    // refresh: for tools that run the refreshes themselves.
    void setProfilePath(const QString& profilePath);

    // With readOnly set, a refresh's own selection of the current voicepack
    // writes nothing, so that refreshing leaves the file as it is (for tools
    // that only look). The player's choices still write. Off by default.
    void setReadOnlyRefresh(bool readOnly) { m_readOnlyRefresh = readOnly; }

    // Rebuilds the drop-down and the three lists from the profile.
    void RefreshAll();
    // RefreshAll for a profile changed by another program: the selected taunt,
    // key (by its name) and assigned key stay selected where they still exist.
    void refreshKeepingSelections();
    // Each action below returns what it did; the change it made is recorded.
    //
    // Binds the selected taunt to the selected key, then refreshes. When the
    // key holds a command of the game, asks first, saying what is lost
    // (Yes/No, No the default); No writes nothing.
    ActionOutcome assignSpeech_Click();
    // assignSpeech_Click for keyName instead of the selected key: for the
    // keys of MoreKeyNames, which "All available Keys" does not list.
    ActionOutcome assignToKey(const QString& keyName);
    // Empties the speech binding of the key of the selected usedSpeechKeys
    // item, then refreshes. When the history says a command of the game was
    // on the key before our taunt, asks to put it back (Yes the default) and
    // writes it instead. Nothing selected, or a key that no longer holds a
    // speech binding: nothing is written.
    ActionOutcome removeSpeechBinding_Click();
    // Asks, then empties every speech binding of the known keys (MoreKeyNames
    // included); refreshes after either answer.
    ActionOutcome erase_speech_Click();
    // Handles the drop-down's selected entry: writes Voice, may show the note, relays, sets captions.
    // A player's choice of another voicepack then lists the keys whose taunt
    // is called differently in it ("End: Affirmative → Bestätige").
    ActionOutcome voicepack_Click();
    // Copies the backup over the profile when it is plausible, then refreshes.
    ActionOutcome Restore_ini_Click();
    // Takes back the latest change of the history (Ctrl+Z), or every change
    // down to the one with id. When entries changed since, names them and
    // asks (No the default). Refreshes.
    ActionOutcome undoLatest();
    ActionOutcome undoBackTo(qint64 id);
    // Gives the profile back the content it had before the program first
    // changed it, as a change that can be undone. Refreshes.
    ActionOutcome restoreOriginal();
    // How the history names restoreOriginal.
    static QString originalRestoredText();
    // The message Restore_ini_Click shows once the backup was copied back.
    static QString restoreStartedText() { return tr("Ok, lets try to restore Your kvuser.ini"); }

    // What the window forwards. chooseVoicepack raises voicepack_Click even
    // when the entry is already the selected one, as a player's choice does.
    void selectTaunt(int index);
    void selectKey(int index);
    void selectUsedKey(int index);
    ActionOutcome chooseVoicepack(int index);

    // The information window was closed: a new one starts with the initial product line.
    void splashUnloaded();

    const ListModel& voicepack() const { return m_voicepack; }
    const ListModel& all_taunts() const { return m_allTaunts; }
    const ListModel& allKeys() const { return m_allKeys; }
    const ListModel& usedSpeechKeys() const { return m_usedSpeechKeys; }
    // The keys whose speech binding says the taunt at index of all_taunts, in
    // the order of usedSpeechKeys; empty for a taunt on no key.
    QStringList keysOfTaunt(int index) const;
    // "On F7", "On F7 and NumPad3", "On F7, F8 and NumPad3"; empty for no keys.
    static QString onKeysText(const QStringList& keys);
    const QString& mytest() const { return m_mytest; }
    const QString& my_temp() const { return m_myTemp; }
    const QString& caption() const { return m_caption; }
    const QString& lblCompanyProduct() const { return m_productLine; }
    const QString& profilePath() const { return m_profile.profilePath(); }
    // The profile the logic works on; a ReadScope on it serves its reads too.
    const ProfileFile& profile() const { return m_profile; }
    // How start-up's profile relates to Windows' VirtualStore.
    const ProfileInStore& profilePlace() const { return m_place; }
    const QString& backupPath() const { return m_backupPath; }
    const CurrentTauntTable& currentTaunts() const { return m_currentTaunts; }

    // True while a handler runs (also while one of its questions is open).
    bool acting() const { return m_handlerDepth > 0; }

    // Called once after each handler the window forwarded has ended, with what
    // it did, when the state may have changed.
    void setChangeObserver(std::function<void(const ActionOutcome&)> observer) { m_observer = std::move(observer); }

private:
    // Runs a handler. The outermost one records the change the profile layer
    // reports, tells the observer and returns the whole action's outcome.
    ActionOutcome runAction(const std::function<void()>& handler);
    void finishAction(ActionOutcome& outcome);
    // Sets what the running action did, unless it already failed.
    void setOutcome(ActionOutcome::Kind kind, const QString& description);
    void applyUndo(const UndoPlan& plan);

    // open's work, within the running action.
    void openProfile(const ProfileInStore& profile);
    // Binds the selected taunt to keyName (the key is chosen unless keyChosen is false), as assignSpeech_Click says.
    void assignTaunt(const QString& keyName, bool keyChosen);
    // The voicepack Voice names (0 to 14), or 100 for none the program knows.
    int voicepackInProfile() const;
    // The known keys that hold a speech binding, with its numbers.
    QList<KeySpeech> speechKeys() const;
    // Shows what keys say now, when any changed, and adds it to the action's description.
    void tellKeyChanges(const QList<KeyChange>& changes, const QString& voicepackName);

    void setMytest(const QString& text);
    void mytest_Change();
    QString bindingColumnFor(const QString& binding, const QString& keyName);
    // False when keyName holds a command of the game and the player declines to replace it with taunt.
    bool mayReplace(const QString& keyName, const QString& taunt);
    // The command of the game that our taunt replaced on keyName, when binding is still that taunt.
    std::optional<QString> commandToPutBack(const QString& keyName, const QString& binding) const;
    // Reports a failed write to the player, and makes it the action's outcome.
    void reportWriteFailure(const Result& result);
    // A box with only OK and the application's title.
    void message(const QString& text, MessageIcon icon = MessageIcon::None);

    UserInteraction& m_interaction;
    ProfileFile m_profile;
    QString m_backupPath;
    ProfileInStore m_place;

    ListModel m_voicepack;
    ListModel m_allTaunts;
    ListModel m_allKeys;
    ListModel m_usedSpeechKeys;
    QString m_mytest;
    QString m_myTemp;
    QString m_caption;
    QString m_productLine;

    CurrentTauntTable m_currentTaunts;
    QString m_lastVoicepackChoice;
    QString m_lastRefreshedChoice;
    bool m_firstChoiceDone = false;

    // Counts refresh runs, so that a run can tell that a nested run rebuilt everything.
    quint64 m_refreshRuns = 0;
    // Set by chooseVoicepack for the one voicepack_Click it raises: only a
    // player's own choice reports a failed write of Voice.
    bool m_choiceByPlayer = false;
    bool m_readOnlyRefresh = false;
    int m_handlerDepth = 0;
    ActionOutcome m_action;
    ChangeRecorder* m_recorder = nullptr;
    std::function<void(const ActionOutcome&)> m_observer;
};

} // namespace parlomatic

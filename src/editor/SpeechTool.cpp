// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SpeechTool.h"

#include "catalogue/KeyNameTable.h"
#include "catalogue/LabelText.h"
#include "catalogue/ProductInfo.h"
#include "catalogue/VoicePackCatalogue.h"
#include "editor/KeyBinding.h"
#include "editor/KeyChanges.h"
#include "editor/KeyItem.h"
#include "history/EntryHistory.h"
#include "profile/Backup.h"
#include "profile/SpeechBinding.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <utility>

namespace parlomatic {

namespace {

const QString inputSection = QStringLiteral("Engine.Input");
const QString playerSection = QStringLiteral("DefaultPlayer");
const QString voiceKey = QStringLiteral("Voice");
constexpr int readCapacity = 30;
constexpr int bindingColumnWidth = 30;
// Voicepack number of a profile that names no known voicepack.
constexpr int noVoicepackFound = 100;

QString noVoicepackEntry() {
    return QCoreApplication::translate("SpeechTool", "No voicepack selected");
}

// A label shown in a binding column: cut or filled with blanks to 30 characters.
QString labelColumn(const QString& label) {
    return label.leftJustified(bindingColumnWidth, QLatin1Char(' '), true);
}

QString emptyColumn() {
    return QString(bindingColumnWidth, QLatin1Char(' '));
}

// The voicepack whose class path V begins with, ignoring case; the last match wins.
int findVoicepack(const QString& voice) {
    int found = noVoicepackFound;
    const auto& catalogue = VoicePackCatalogue();
    for (int i = 0; i < voicePackCount; ++i) {
        if (voice.startsWith(catalogue[i].classPath, Qt::CaseInsensitive))
            found = i;
    }
    return found;
}

// "14:02" for a time today, else "2026-12-05 14:02".
QString whenText(const QDateTime& time) {
    const QDateTime local = time.toLocalTime();
    return local.date() == QDate::currentDate() ? local.toString(QStringLiteral("HH:mm"))
                                                : local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// A description of a change that no handler named: the refresh's own write of Voice.
QString describeChange(const ProfileChange& change) {
    if (change.entries.size() == 1) {
        const EntryChange& entry = change.entries.constFirst();
        if (sameProfileName(entry.key, voiceKey))
            //: %1 is the voicepack's class path written to Voice
            return QCoreApplication::translate("SpeechTool", "Voice set to %1").arg(entry.after.value_or(QString()));
        //: %1 is an entry of kvuser.ini, %2 its new value
        return QCoreApplication::translate("SpeechTool", "%1 set to \"%2\"")
            .arg(entry.key, entry.after.value_or(QString()));
    }
    return QCoreApplication::translate("SpeechTool", "%n entries changed", nullptr,
                                       static_cast<int>(change.entries.size()));
}

} // namespace

QString SpeechTool::originalRestoredText() {
    return tr("Restored kvuser.ini as it was before Parlomatic first changed it");
}

ActionOutcome SpeechTool::runAction(const std::function<void()>& handler) {
    ++m_handlerDepth;
    handler();
    if (--m_handlerDepth > 0)
        return m_action;
    ActionOutcome outcome = std::exchange(m_action, ActionOutcome());
    finishAction(outcome);
    if (m_observer)
        m_observer(outcome);
    return outcome;
}

void SpeechTool::finishAction(ActionOutcome& outcome) {
    outcome.change = m_profile.takeChanges();
    if (outcome.change.isEmpty()) {
        if (outcome.kind == ActionOutcome::Written)
            outcome.kind = ActionOutcome::NothingDone;
        return;
    }
    // The refresh's own write of Voice is an action of its own.
    if (outcome.kind == ActionOutcome::NothingDone) {
        outcome.kind = ActionOutcome::Written;
        outcome.description = describeChange(outcome.change);
    }
    if (m_recorder == nullptr)
        return;
    // What went through stands in the history, also when a later write of the action failed.
    const QString description =
        outcome.kind == ActionOutcome::Written ? outcome.description : describeChange(outcome.change);
    if (const Result recorded = m_recorder->record(profilePath(), outcome.change, description, outcome.undoes);
        !recorded.ok())
        //: %1 is why the history could not be written
        message(tr("Your kvuser.ini was changed, but the change could not be noted in Parlomatic's "
                   "history, so it cannot be undone.\n%1")
                    .arg(recorded.error()),
                MessageIcon::Critical);
}

void SpeechTool::setOutcome(ActionOutcome::Kind kind, const QString& description) {
    if (m_action.kind == ActionOutcome::Failed)
        return;
    m_action.kind = kind;
    m_action.description = description;
}

SpeechTool::SpeechTool(UserInteraction& interaction)
    : m_interaction(interaction), m_mytest(QStringLiteral("mytest")), m_myTemp(QStringLiteral("Text1")),
      m_caption(product::mainWindowCaption()), m_productLine(product::productLine()) {}

void SpeechTool::open(const ProfileInStore& profile) {
    runAction([&] { openProfile(profile); });
}

void SpeechTool::openProfile(const ProfileInStore& profile) {
    m_place = profile;
    setProfilePath(profile.path);
    // One read of the file serves both refreshes, unless the first one writes.
    const ProfileFile::ReadScope reads(m_profile);
    RefreshAll();
    RefreshAll();
}

ActionOutcome SpeechTool::switchProfile(const std::function<std::optional<ProfileInStore>()>& choose) {
    return runAction([&] {
        const std::optional<ProfileInStore> chosen = choose();
        if (!chosen)
            return;
        openProfile(*chosen);
        setOutcome(ActionOutcome::NothingDone, tr("Now editing %1").arg(QDir::toNativeSeparators(profilePath())));
    });
}

void SpeechTool::setProfilePath(const QString& profilePath) {
    m_profile = ProfileFile(profilePath);
    m_backupPath = backupPathFor(profilePath);
    m_myTemp = profilePath;
}

void SpeechTool::RefreshAll() {
    runAction([&] {
        // All reads of this refresh come from one read of the profile.
        const ProfileFile::ReadScope reads(m_profile);
        const quint64 thisRun = ++m_refreshRuns;

        m_allKeys.clear();
        m_allTaunts.clear();
        m_usedSpeechKeys.clear();
        m_voicepack.clear();

        const QString voice = m_profile.ReadEntry(playerSection, voiceKey, voiceDefault(), readCapacity);
        const int found = findVoicepack(voice);
        const auto& catalogue = VoicePackCatalogue();

        m_voicepack.addItem(found == noVoicepackFound ? noVoicepackEntry() : catalogue[found].displayName);
        m_voicepack.select(0);
        voicepack_Click();
        // The selection's handling may have run a complete refresh of its own
        // through the relay; that run rebuilt everything, so this one stops here
        // and every list holds each entry once.
        if (m_refreshRuns != thisRun)
            return;

        for (int i = 0; i < voicePackCount; ++i) {
            if (i != found)
                m_voicepack.addItem(catalogue[i].displayName);
        }
        if (found == noVoicepackFound)
            return;
        m_currentTaunts.LoadCurrentTaunts(found);

        for (const QString& keyName : KeyNameTable()) {
            const QString binding = m_profile.ReadEntry(inputSection, keyName, voiceDefault(), readCapacity);
            m_allKeys.addItem(keyItem(keyName, bindingColumnFor(binding, keyName)));
        }
        // The further keys show only once they carry a taunt.
        for (const QString& keyName : MoreKeyNames())
            bindingColumnFor(m_profile.ReadEntry(inputSection, keyName, voiceDefault(), readCapacity), keyName);
        for (int j = 0; j <= m_currentTaunts.lastSlot(); ++j) {
            const QString& label = m_currentTaunts.slot(j).label;
            if (!label.isEmpty())
                m_allTaunts.addItem(label);
        }
    });
}

void SpeechTool::refreshKeepingSelections() {
    runAction([&] {
        const QString taunt = m_allTaunts.text();
        const QString key = keyNameOfItem(m_allKeys.text());
        const QString usedKey = m_usedSpeechKeys.text();
        RefreshAll();
        m_allTaunts.select(static_cast<int>(m_allTaunts.items().indexOf(taunt)));
        if (!key.isEmpty()) {
            const auto sameKey = [&](const QString& item) { return keyNameOfItem(item) == key; };
            const auto found = std::ranges::find_if(m_allKeys.items(), sameKey);
            m_allKeys.select(static_cast<int>(found - m_allKeys.items().begin()));
        }
        m_usedSpeechKeys.select(static_cast<int>(m_usedSpeechKeys.items().indexOf(usedKey)));
    });
}

// The binding column of one key, adding the key to usedSpeechKeys for every
// slot of the current voicepack its speech binding names.
QString SpeechTool::bindingColumnFor(const QString& binding, const QString& keyName) {
    QString column = binding;
    if (isSpeechBinding(binding)) {
        if (const auto numbers = readSpeechBinding(binding)) {
            for (int j = 0; j <= m_currentTaunts.lastSlot(); ++j) {
                const TauntEntry& entry = m_currentTaunts.slot(j);
                if (entry.speechType != numbers->type || entry.speechIndex != numbers->index)
                    continue;
                column = labelColumn(entry.label);
                if (!entry.label.isEmpty())
                    m_usedSpeechKeys.addItem(keyItem(keyName, column));
            }
        }
    }
    if (binding == QStringLiteral("noVoice"))
        column = emptyColumn();
    // A speech binding in any case that no slot named stays hidden.
    if (startsWithSpeechWord(column))
        column = emptyColumn();
    return column;
}

ActionOutcome SpeechTool::assignSpeech_Click() {
    return runAction([&] {
        const QString item = m_allKeys.text();
        assignTaunt(keyNameOfItem(item), !item.isEmpty());
    });
}

ActionOutcome SpeechTool::assignToKey(const QString& keyName) {
    return runAction([&] { assignTaunt(keyName, true); });
}

void SpeechTool::assignTaunt(const QString& keyName, bool keyChosen) {
    const QString taunt = m_allTaunts.text();
    if (taunt.isEmpty() || !keyChosen) {
        m_interaction.showMessage({tr("Select a Speech and a key first"), tr("Error"), MessageIcon::None,
                                   MessageButtons::Ok, MessageAnswer::Ok});
        setOutcome(ActionOutcome::Refused, tr("Select a Speech and a key first"));
    } else if (!keyName.isEmpty()) {
        if (mayReplace(keyName, taunt)) {
            // Every slot with this exact label writes in turn; the last one decides.
            Result failed = Result::success();
            for (int j = 0; j <= m_currentTaunts.lastSlot(); ++j) {
                const TauntEntry& entry = m_currentTaunts.slot(j);
                if (entry.label != taunt)
                    continue;
                const Result written =
                    m_profile.WriteEntry(inputSection, keyName, speechBindingText(entry.speechType, entry.speechIndex));
                if (!written.ok())
                    failed = written;
            }
            setOutcome(ActionOutcome::Written,
                       //: %1 is a key, %2 a taunt
                       tr("%1 now says \"%2\"").arg(keyName, withoutPadding(taunt)));
            reportWriteFailure(failed);
        } else {
            setOutcome(ActionOutcome::Cancelled,
                       //: %1 is a key, %2 the command of the game it keeps
                       tr("%1 keeps %2").arg(keyName, keyBinding(m_profile, keyName)));
        }
    }
    RefreshAll();
    // So that a second key can get the same taunt.
    m_allTaunts.select(static_cast<int>(m_allTaunts.items().indexOf(taunt)));
}

bool SpeechTool::mayReplace(const QString& keyName, const QString& taunt) {
    const QString binding = keyBinding(m_profile, keyName);
    if (!isGameCommand(binding))
        return true;
    const MessageRequest question{//: %1 is a key, %2 a command of the game (such as Jump), %3 a taunt
                                  tr("%1 is bound to %2. Replace it with the taunt \"%3\"? %1 will no longer %2.")
                                      .arg(keyName, binding, withoutPadding(taunt)),
                                  product::applicationTitle(), MessageIcon::None, MessageButtons::YesNo,
                                  MessageAnswer::No};
    return m_interaction.showMessage(question) == MessageAnswer::Yes;
}

std::optional<QString> SpeechTool::commandToPutBack(const QString& keyName, const QString& binding) const {
    if (m_recorder == nullptr)
        return std::nullopt;
    const std::optional<QString> before =
        valueBeforeOurChange(m_recorder->history(), profilePath(), inputSection, keyName, binding);
    if (!before || !isGameCommand(*before))
        return std::nullopt;
    return before;
}

ActionOutcome SpeechTool::removeSpeechBinding_Click() {
    return runAction([&] {
        const QString keyName = keyNameOfItem(m_usedSpeechKeys.text());
        const QString binding = keyName.isEmpty() ? QString() : keyBinding(m_profile, keyName);
        if (isSpeechBinding(binding)) {
            QString value;
            //: %1 is a key, %2 a taunt
            QString description = tr("%1 no longer says \"%2\"")
                                      .arg(keyName, withoutPadding(bindingColumnOfItem(m_usedSpeechKeys.text())));
            if (const std::optional<QString> command = commandToPutBack(keyName, binding)) {
                //: %1 is a command of the game (such as Jump), %2 a key
                const MessageRequest question{tr("Put %1 back on %2?").arg(*command, keyName),
                                              product::applicationTitle(), MessageIcon::None, MessageButtons::YesNo,
                                              MessageAnswer::Yes};
                if (m_interaction.showMessage(question) == MessageAnswer::Yes) {
                    value = *command;
                    //: %1 is a key, %2 a command of the game
                    description = tr("%1: %2 put back").arg(keyName, *command);
                }
            }
            setOutcome(ActionOutcome::Written, description);
            reportWriteFailure(m_profile.WriteEntry(inputSection, keyName, value));
        }
        RefreshAll();
    });
}

ActionOutcome SpeechTool::erase_speech_Click() {
    return runAction([&] {
        const MessageAnswer answer = m_interaction.showMessage(
            {tr("Really delete all voice entrys in your KVuser.ini?"), product::applicationTitle(),
             MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::No});
        if (answer == MessageAnswer::Yes) {
            const ProfileFile::ReadScope reads(m_profile);
            Result failed = Result::success();
            int erased = 0;
            for (const QString& keyName : KeyNameTable() + MoreKeyNames()) {
                const QString binding = m_profile.ReadEntry(inputSection, keyName, voiceDefault(), readCapacity);
                if (!isSpeechBinding(binding))
                    continue;
                const Result written = m_profile.WriteEntry(inputSection, keyName, QString());
                if (written.ok())
                    ++erased;
                else
                    failed = written;
            }
            setOutcome(ActionOutcome::Written, erased == 1 ? tr("1 speech binding erased")
                                                           : tr("All %n speech bindings erased", nullptr, erased));
            reportWriteFailure(failed);
        } else {
            setOutcome(ActionOutcome::Cancelled, tr("Nothing erased"));
        }
        RefreshAll();
    });
}

ActionOutcome SpeechTool::voicepack_Click() {
    return runAction([&] {
        const bool byPlayer = std::exchange(m_choiceByPlayer, false);
        const QString choice = m_voicepack.text();
        // A player's choice that could not be written is no choice: it shows no
        // note, and the refresh that puts the old voicepack back shows none either.
        bool refused = false;
        if (const int i = voicepackNumber(choice); i >= 0) {
            const VoicePackInfo& info = VoicePackCatalogue()[i];
            const int before = byPlayer ? voicepackInProfile() : noVoicepackFound;
            if (byPlayer || !m_readOnlyRefresh) {
                const Result written = m_profile.WriteEntry(playerSection, voiceKey, info.classPath);
                if (byPlayer) {
                    setOutcome(ActionOutcome::Written, tr("Voicepack: %1").arg(info.displayName));
                    reportWriteFailure(written);
                    refused = !written.ok();
                }
            }
            if (!refused) {
                const bool newChoice = choice != m_lastVoicepackChoice;
                // Noted before the boxes show: a refresh while one is open must not show the note again.
                m_lastVoicepackChoice = choice;
                if (!info.note.isEmpty() && newChoice && m_firstChoiceDone) {
                    m_interaction.showMessage(
                        {QCoreApplication::translate("VoicePackCatalogue", info.note.toUtf8().constData()),
                         info.displayName, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
                }
                if (before != noVoicepackFound && before != i)
                    tellKeyChanges(keyChanges(speechKeys(), before, i), info.displayName);
            }
        }
        if (!refused)
            m_lastVoicepackChoice = choice;
        setMytest(choice);
        m_firstChoiceDone = true;
        m_caption = product::mainWindowCaptionVersioned();
        m_productLine = product::productLineVersioned();
    });
}

int SpeechTool::voicepackInProfile() const {
    return findVoicepack(m_profile.ReadEntry(playerSection, voiceKey, voiceDefault(), readCapacity));
}

QList<KeySpeech> SpeechTool::speechKeys() const {
    const ProfileFile::ReadScope reads(m_profile);
    QList<KeySpeech> keys;
    for (const QString& keyName : KeyNameTable() + MoreKeyNames()) {
        if (const auto binding =
                readSpeechBinding(m_profile.ReadEntry(inputSection, keyName, voiceDefault(), readCapacity)))
            keys.append({keyName, *binding});
    }
    return keys;
}

void SpeechTool::tellKeyChanges(const QList<KeyChange>& changes, const QString& voicepackName) {
    if (changes.isEmpty())
        return;
    message(keyChangesText(changes, voicepackName), MessageIcon::Information);
    m_action.description += changes.size() == 1
                                ? tr("; 1 key says something else now")
                                : tr("; %n keys say something else now", nullptr, static_cast<int>(changes.size()));
}

void SpeechTool::setMytest(const QString& text) {
    if (text == m_mytest)
        return;
    m_mytest = text;
    mytest_Change();
}

void SpeechTool::mytest_Change() {
    if (m_voicepack.text() == m_lastRefreshedChoice)
        return;
    RefreshAll();
    m_lastRefreshedChoice = m_voicepack.text();
}

ActionOutcome SpeechTool::Restore_ini_Click() {
    return runAction([&] {
        const std::optional<QByteArray> backup = plausibleBackup(m_backupPath);
        if (!backup) {
            const QString refusal = tr("Your kvuser.ini was not Restored,because the backup file seems to be defect");
            message(refusal);
            setOutcome(ActionOutcome::Refused, refusal);
            return;
        }
        const Result copied = m_profile.ReplaceContent(*backup);
        if (!copied.ok()) {
            //: %1 is the path of kvuser.ini, %2 why it could not be written
            const QString failure = tr("Your kvuser.ini was not Restored and is unchanged.\n%1: %2")
                                        .arg(QDir::toNativeSeparators(profilePath()), copied.error());
            message(failure, MessageIcon::Critical);
            setOutcome(ActionOutcome::Failed, failure);
            return;
        }
        setOutcome(ActionOutcome::Written,
                   //: %1 is the backup file's name, %2 when it was made
                   tr("Restored %1 from %2")
                       .arg(QFileInfo(m_backupPath).fileName(), whenText(QFileInfo(m_backupPath).lastModified())));
        message(restoreStartedText());
        RefreshAll();
    });
}

ActionOutcome SpeechTool::undoLatest() {
    return runAction([&] {
        if (m_recorder != nullptr)
            applyUndo(planUndo(m_recorder->history(), profilePath(), 1));
    });
}

ActionOutcome SpeechTool::undoBackTo(qint64 id) {
    return runAction([&] {
        if (m_recorder != nullptr)
            applyUndo(planUndoBackTo(m_recorder->history(), profilePath(), id));
    });
}

void SpeechTool::applyUndo(const UndoPlan& plan) {
    if (plan.records.isEmpty()) {
        message(plan.problem);
        setOutcome(ActionOutcome::Refused, plan.problem);
        return;
    }
    if (!plan.conflicts.isEmpty()) {
        const MessageRequest question{
            //: %1 lists entries of kvuser.ini
            tr("These entries changed since: %1. Undo anyway? Their values now would be lost.")
                .arg(conflictList(plan.conflicts)),
            product::applicationTitle(), MessageIcon::None, MessageButtons::YesNo, MessageAnswer::No};
        if (m_interaction.showMessage(question) != MessageAnswer::Yes) {
            setOutcome(ActionOutcome::Cancelled, tr("Nothing undone"));
            return;
        }
    }
    const UndoDone done = parlomatic::applyUndo(m_profile, plan);
    m_action.undoes = done.undone;
    if (!done.result.ok()) {
        message(tr("The change was not undone.\n%1").arg(done.result.error()), MessageIcon::Critical);
        setOutcome(ActionOutcome::Failed, done.result.error());
    } else {
        setOutcome(ActionOutcome::Written, undoDescription(plan, done.undone));
    }
    RefreshAll();
}

ActionOutcome SpeechTool::restoreOriginal() {
    return runAction([&] {
        const std::optional<QByteArray> original =
            m_recorder != nullptr ? m_recorder->history().original(profilePath()) : std::nullopt;
        if (!original) {
            const QString refusal = tr("Parlomatic has not changed this kvuser.ini yet.");
            message(refusal);
            setOutcome(ActionOutcome::Refused, refusal);
            return;
        }
        setOutcome(ActionOutcome::Written, originalRestoredText());
        reportWriteFailure(m_profile.ReplaceContent(*original));
        RefreshAll();
    });
}

QStringList SpeechTool::keysOfTaunt(int index) const {
    const QString column = labelColumn(m_allTaunts.items().value(index));
    QStringList keys;
    for (const QString& item : m_usedSpeechKeys.items()) {
        if (index >= 0 && index < m_allTaunts.count() && bindingColumnOfItem(item) == column)
            keys.append(keyNameOfItem(item));
    }
    return keys;
}

QString SpeechTool::onKeysText(const QStringList& keys) {
    if (keys.isEmpty())
        return {};
    if (keys.size() == 1)
        //: %1 is a key
        return tr("On %1").arg(keys.first());
    //: %1 lists keys, %2 is the last key
    return tr("On %1 and %2").arg(keys.first(keys.size() - 1).join(QStringLiteral(", ")), keys.last());
}

void SpeechTool::selectTaunt(int index) {
    runAction([&] { m_allTaunts.select(index); });
}

void SpeechTool::selectKey(int index) {
    runAction([&] { m_allKeys.select(index); });
}

void SpeechTool::selectUsedKey(int index) {
    runAction([&] { m_usedSpeechKeys.select(index); });
}

ActionOutcome SpeechTool::chooseVoicepack(int index) {
    return runAction([&] {
        m_voicepack.select(index);
        m_choiceByPlayer = true;
        voicepack_Click();
    });
}

void SpeechTool::splashUnloaded() {
    runAction([&] { m_productLine = product::productLine(); });
}

void SpeechTool::reportWriteFailure(const Result& result) {
    if (result.ok())
        return;
    //: %1 is the path of kvuser.ini, %2 why it could not be written
    QString failure = tr("Your kvuser.ini could not be changed.\n%1: %2")
                          .arg(QDir::toNativeSeparators(profilePath()), result.error());
    if (m_place.unwritable)
        failure += QLatin1Char('\n') + profileInStoreNote(m_place);
    message(failure, MessageIcon::Critical);
    m_action.kind = ActionOutcome::Failed;
    m_action.description = result.error();
}

void SpeechTool::message(const QString& text, MessageIcon icon) {
    m_interaction.showMessage({text, product::applicationTitle(), icon, MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace parlomatic

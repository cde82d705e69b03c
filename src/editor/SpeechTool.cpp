#include "editor/SpeechTool.h"

#include "catalogue/KeyNameTable.h"
#include "catalogue/ProductInfo.h"
#include "catalogue/VoicePackCatalogue.h"
#include "editor/KeyBinding.h"
#include "locate/RememberedProfile.h"
#include "profile/Backup.h"
#include "profile/ProfileLocation.h"
#include "profile/SpeechBinding.h"

#include <QDir>

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

// Whether text begins with "speech" in any ASCII case (no other letter lowers to one of these).
bool startsWithSpeech(QStringView text) {
    constexpr char16_t speech[] = u"speech";
    if (text.size() < 6)
        return false;
    for (qsizetype i = 0; i < 6; ++i) {
        const char16_t c = text[i].unicode();
        if ((c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c) != speech[i])
            return false;
    }
    return true;
}

QString noVoicepackEntry() {
    return QStringLiteral("No voicepack selected");
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

} // namespace

// Tells the observer once, when the outermost forwarded handler has ended.
class SpeechTool::Notifier {
public:
    explicit Notifier(SpeechTool& tool) : m_tool(tool) { ++m_tool.m_handlerDepth; }
    ~Notifier() {
        if (--m_tool.m_handlerDepth == 0 && m_tool.m_observer)
            m_tool.m_observer();
    }
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

private:
    SpeechTool& m_tool;
};

SpeechTool::SpeechTool(UserInteraction& interaction)
    : m_interaction(interaction), m_mytest(QStringLiteral("mytest")), m_myTemp(QStringLiteral("Text1")),
      m_caption(product::mainWindowCaption()), m_productLine(product::productLine()) {}

bool SpeechTool::Form_Load(const QStringList& programDirs, const QString& workingDir) {
    return Form_Load(LocateSteps{programDirs, {}, nullptr, {}}, workingDir);
}

bool SpeechTool::Form_Load(const LocateSteps& steps, const QString& workingDir) {
    Notifier notifier(*this);
    const Located located = locateProfile(steps, m_interaction);
    if (located.by == LocatedBy::CommandLineMissing) {
        message(QStringLiteral("no such profile: ") + QDir::toNativeSeparators(located.path), MessageIcon::Critical);
        return false;
    }
    QString path = located.path;
    if (located.by == LocatedBy::NotSettled) {
        path =
            m_interaction
                .chooseOpenFile({QStringLiteral("Please locate your kvuser.ini (could be found in ut/system folder)"),
                                 QStringLiteral("kvuser.ini"), workingDir})
                .trimmed();
    }
    if (!isOrdinaryFile(path)) {
        message(QStringLiteral("Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now"));
        return false;
    }
    m_place = profileInStore(steps.virtualStore, path);
    setProfilePath(m_place.path);
    if (steps.memory)
        rememberProfile(*steps.memory, profilePath());
    if (!MakeBackup(profilePath(), m_backupPath).ok())
        message(QStringLiteral("Error could not make backup of your kvuser.ini"));
    RefreshAll();
    RefreshAll();
    return true;
}

void SpeechTool::setProfilePath(const QString& profilePath) {
    m_profile = ProfileFile(profilePath);
    m_backupPath = backupPathFor(profilePath);
    m_myTemp = profilePath;
}

void SpeechTool::RefreshAll() {
    Notifier notifier(*this);
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
        m_allKeys.addItem(keyName + QStringLiteral(": ") + bindingColumnFor(binding, keyName));
    }
    for (int j = 0; j <= m_currentTaunts.lastSlot(); ++j) {
        const QString& label = m_currentTaunts.slot(j).label;
        if (!label.isEmpty())
            m_allTaunts.addItem(label);
    }
}

void SpeechTool::refreshKeepingSelections() {
    Notifier notifier(*this);
    const QString taunt = m_allTaunts.text();
    const QString key = m_allKeys.text().section(QLatin1Char(':'), 0, 0);
    const QString usedKey = m_usedSpeechKeys.text();
    RefreshAll();
    m_allTaunts.select(static_cast<int>(m_allTaunts.items().indexOf(taunt)));
    if (!key.isEmpty()) {
        const auto sameKey = [&](const QString& item) { return item.section(QLatin1Char(':'), 0, 0) == key; };
        const auto found = std::ranges::find_if(m_allKeys.items(), sameKey);
        m_allKeys.select(static_cast<int>(found - m_allKeys.items().begin()));
    }
    m_usedSpeechKeys.select(static_cast<int>(m_usedSpeechKeys.items().indexOf(usedKey)));
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
                    m_usedSpeechKeys.addItem(keyName + QStringLiteral(": ") + column);
            }
        }
    }
    if (binding == QStringLiteral("noVoice"))
        column = emptyColumn();
    // A speech binding in any case that no slot named stays hidden.
    if (startsWithSpeech(column))
        column = emptyColumn();
    return column;
}

void SpeechTool::assignSpeech_Click() {
    Notifier notifier(*this);
    const QString taunt = m_allTaunts.text();
    const QString keyItem = m_allKeys.text();
    if (taunt.isEmpty() || keyItem.isEmpty()) {
        m_interaction.showMessage({QStringLiteral("Select a Speech and a key first"), QStringLiteral("Error"),
                                   MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok});
    } else if (const qsizetype colon = keyItem.left(bindingColumnWidth).indexOf(QLatin1Char(':')); colon >= 0) {
        const QString keyName = keyItem.left(colon);
        if (mayReplace(keyName, taunt)) {
            // Every slot with this exact label writes in turn; the last one decides.
            Result failed = Result::success();
            for (int j = 0; j <= m_currentTaunts.lastSlot(); ++j) {
                const TauntEntry& entry = m_currentTaunts.slot(j);
                if (entry.label != taunt)
                    continue;
                const Result written =
                    writeEntry(inputSection, keyName, speechBindingText(entry.speechType, entry.speechIndex));
                if (!written.ok())
                    failed = written;
            }
            reportWriteFailure(failed);
        }
    }
    RefreshAll();
}

bool SpeechTool::mayReplace(const QString& keyName, const QString& taunt) {
    const QString binding = keyBinding(m_profile, keyName);
    if (!isGameCommand(binding))
        return true;
    const MessageRequest question{
        QStringLiteral("%1 is bound to %2. Replace it with the taunt \"%3\"?").arg(keyName, binding, taunt),
        product::applicationTitle(), MessageIcon::None, MessageButtons::YesNo, MessageAnswer::No};
    return m_interaction.showMessage(question) == MessageAnswer::Yes;
}

void SpeechTool::removeSpeechBinding_Click() {
    Notifier notifier(*this);
    const QString keyItem = m_usedSpeechKeys.text();
    if (const qsizetype colon = keyItem.left(bindingColumnWidth).indexOf(QLatin1Char(':')); colon >= 0) {
        const QString keyName = keyItem.left(colon);
        if (isSpeechBinding(keyBinding(m_profile, keyName)))
            reportWriteFailure(writeEntry(inputSection, keyName, QString()));
    }
    RefreshAll();
}

void SpeechTool::erase_speech_Click() {
    Notifier notifier(*this);
    const MessageAnswer answer = m_interaction.showMessage(
        {QStringLiteral("Really delete all voice entrys in your KVuser.ini?"), product::applicationTitle(),
         MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::No});
    if (answer == MessageAnswer::Yes) {
        const ProfileFile::ReadScope reads(m_profile);
        Result failed = Result::success();
        for (const QString& keyName : KeyNameTable()) {
            const QString binding = m_profile.ReadEntry(inputSection, keyName, voiceDefault(), readCapacity);
            if (!isSpeechBinding(binding))
                continue;
            const Result written = writeEntry(inputSection, keyName, QString());
            if (!written.ok())
                failed = written;
        }
        reportWriteFailure(failed);
    }
    RefreshAll();
}

void SpeechTool::voicepack_Click() {
    Notifier notifier(*this);
    const bool byPlayer = std::exchange(m_choiceByPlayer, false);
    const QString choice = m_voicepack.text();
    // A player's choice that could not be written is no choice: it shows no
    // note, and the refresh that puts the old voicepack back shows none either.
    bool refused = false;
    for (const VoicePackInfo& info : VoicePackCatalogue()) {
        if (info.displayName != choice)
            continue;
        if (byPlayer || !m_readOnlyRefresh) {
            const Result written = writeEntry(playerSection, voiceKey, info.classPath);
            if (byPlayer) {
                reportWriteFailure(written);
                refused = !written.ok();
            }
        }
        if (!refused && !info.note.isEmpty() && choice != m_lastVoicepackChoice && m_firstChoiceDone) {
            m_interaction.showMessage(
                {info.note, info.displayName, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
        }
    }
    if (!refused)
        m_lastVoicepackChoice = choice;
    setMytest(choice);
    m_firstChoiceDone = true;
    m_caption = product::mainWindowCaptionVersioned();
    m_productLine = product::productLineVersioned();
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

Result SpeechTool::writeEntry(const QString& section, const QString& key, const QString& value) {
    ++m_profileWrites;
    return m_profile.WriteEntry(section, key, value);
}

void SpeechTool::Restore_ini_Click() {
    Notifier notifier(*this);
    const std::optional<QByteArray> backup = plausibleBackup(m_backupPath);
    if (!backup) {
        message(QStringLiteral("Your kvuser.ini was not Restored,because the backup file seems to be defect"));
        return;
    }
    ++m_profileWrites;
    const Result copied = writeFileAtomically(profilePath(), *backup);
    if (!copied.ok()) {
        message(QStringLiteral("Your kvuser.ini was not Restored and is unchanged.\n%1: %2")
                    .arg(QDir::toNativeSeparators(profilePath()), copied.error()),
                MessageIcon::Critical);
        return;
    }
    message(restoreStartedText());
    RefreshAll();
}

void SpeechTool::selectTaunt(int index) {
    Notifier notifier(*this);
    m_allTaunts.select(index);
}

void SpeechTool::selectKey(int index) {
    Notifier notifier(*this);
    m_allKeys.select(index);
}

void SpeechTool::selectUsedKey(int index) {
    Notifier notifier(*this);
    m_usedSpeechKeys.select(index);
}

void SpeechTool::chooseVoicepack(int index) {
    Notifier notifier(*this);
    m_voicepack.select(index);
    m_choiceByPlayer = true;
    voicepack_Click();
}

void SpeechTool::splashUnloaded() {
    Notifier notifier(*this);
    m_productLine = product::productLine();
}

void SpeechTool::reportWriteFailure(const Result& result) {
    if (result.ok())
        return;
    QString text = QStringLiteral("Your kvuser.ini could not be changed.\n%1: %2")
                       .arg(QDir::toNativeSeparators(profilePath()), result.error());
    if (m_place.unwritable)
        text += QLatin1Char('\n') + profileInStoreNote(m_place);
    message(text, MessageIcon::Critical);
}

void SpeechTool::message(const QString& text, MessageIcon icon) {
    m_interaction.showMessage({text, product::applicationTitle(), icon, MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/ProfileStartup.h"

#include "catalogue/ProductInfo.h"
#include "locate/RememberedProfile.h"
#include "profile/Backup.h"
#include "profile/ProfileLocation.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace parlomatic {

ProfileStartup::ProfileStartup(UserInteraction& interaction, VirtualStorePlaces virtualStore)
    : m_interaction(interaction), m_virtualStore(std::move(virtualStore)) {}

std::optional<ProfileInStore> ProfileStartup::settle(const LocateSteps& steps, const QString& workingDir) {
    const Located located = locateProfile(steps, m_interaction);
    if (located.by == LocatedBy::CommandLineMissing) {
        message(tr("no such profile: %1").arg(QDir::toNativeSeparators(located.path)), MessageIcon::Critical);
        return std::nullopt;
    }
    const QString path = located.by == LocatedBy::NotSettled ? askForProfile(workingDir) : located.path;
    if (!isOrdinaryFile(path)) {
        message(tr("Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now"));
        return std::nullopt;
    }
    return prepare(path, steps.memory);
}

std::optional<ProfileInStore> ProfileStartup::chooseAnother(const QList<FoundProfile>& found, const QString& workingDir,
                                                            QSettings* memory) {
    const int chosen = found.isEmpty() ? -1 : m_interaction.chooseProfile(found);
    QString path = chosen >= 0 && chosen < found.size() ? found.at(chosen).path : QString();
    if (path.isEmpty())
        path = askForProfile(workingDir);
    if (!isOrdinaryFile(path))
        return std::nullopt;
    return prepare(QFileInfo(path).absoluteFilePath(), memory);
}

QString ProfileStartup::askForProfile(const QString& workingDir) {
    return m_interaction
        .chooseOpenFile({tr("Please locate your kvuser.ini (could be found in ut/system folder)"),
                         QStringLiteral("kvuser.ini"), workingDir})
        .trimmed();
}

ProfileInStore ProfileStartup::prepare(const QString& path, QSettings* memory) {
    // Under a protected folder the game reads its VirtualStore copy.
    const ProfileInStore place = profileInStore(m_virtualStore, path);
    if (memory)
        rememberProfile(*memory, place.path);
    const BackupMade backup = MakeBackup(place.path, backupPathFor(place.path));
    if (backup.outcome == BackupMade::KeptGoodBackup)
        //: %1 is why the backup failed
        message(tr("Error could not make backup of your kvuser.ini\n%1").arg(backup.error));
    else if (backup.outcome == BackupMade::Failed)
        message(tr("Error could not make backup of your kvuser.ini"));
    return place;
}

void ProfileStartup::message(const QString& text, MessageIcon icon) {
    m_interaction.showMessage({text, product::applicationTitle(), icon, MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "namechanger/PlayerName.h"

#include "catalogue/ProductInfo.h"
#include "profile/ProfileFile.h"
#include "profile/Windows1252.h"

#include <QCoreApplication>
#include <QDir>

namespace parlomatic {

Result WritePlayerName(const ProfileFile& profile, const QString& name) {
    return profile.WriteEntry(QStringLiteral("DefaultPlayer"), QStringLiteral("Name"), name);
}

QString playerNameDescription(const QString& name) {
    return QCoreApplication::translate("PlayerName", "Player name: %1").arg(name);
}

QString charactersLostInProfile(const QString& name) {
    QStringList lost;
    for (const char32_t codePoint : name.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (codePoint != U'?' && Windows1252::encode(character) == "?" && !lost.contains(character))
            lost.append(character);
    }
    return lost.join(QLatin1Char(' '));
}

MessageRequest PlayerNameWrittenMessage(const QString& profilePath, const QString& name, const Result& written) {
    if (written.ok()) {
        QString text = QCoreApplication::translate("PlayerName", "OK, new Name was written to ini File");
        // Counted as stored: one byte per character.
        if (Windows1252::encode(name).size() > shownNameLength)
            text += QLatin1Char('\n') +
                    QCoreApplication::translate("PlayerName", "The game shows only the first %1 characters of a name.")
                        .arg(shownNameLength);
        return MessageRequest{text, product::applicationTitle(), MessageIcon::None, MessageButtons::Ok,
                              MessageAnswer::Ok};
    }
    //: %1 is the path of kvuser.ini, %2 why it was not written
    return MessageRequest{QCoreApplication::translate("PlayerName", "The new Name was NOT written to %1:\n%2")
                              .arg(QDir::toNativeSeparators(profilePath), written.error()),
                          product::applicationTitle(), MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok};
}

} // namespace parlomatic

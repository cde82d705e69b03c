#include "namechanger/PlayerName.h"

#include "catalogue/ProductInfo.h"
#include "profile/ProfileFile.h"

#include <QDir>

namespace parlomatic {

Result WritePlayerName(const QString& profilePath, const QString& name) {
    return ProfileFile(profilePath).WriteEntry(QStringLiteral("DefaultPlayer"), QStringLiteral("Name"), name);
}

MessageRequest PlayerNameWrittenMessage(const QString& profilePath, const Result& written) {
    if (written.ok())
        return MessageRequest{QStringLiteral("OK, new Name was written to ini File"), product::applicationTitle(),
                              MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok};
    return MessageRequest{QStringLiteral("The new Name was NOT written to %1:\n%2")
                              .arg(QDir::toNativeSeparators(profilePath), written.error()),
                          product::applicationTitle(), MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok};
}

} // namespace parlomatic

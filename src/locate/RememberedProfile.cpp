#include "locate/RememberedProfile.h"

#include <QFileInfo>
#include <QSettings>

namespace parlomatic {

namespace {

const QString lastProfileKey = QStringLiteral("profile/lastUsed");

} // namespace

std::unique_ptr<QSettings> programSettings() {
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Parlomatic"),
                                       QStringLiteral("Parlomatic"));
}

QString rememberedProfile(const QSettings& settings) {
    return settings.value(lastProfileKey).toString();
}

void rememberProfile(QSettings& settings, const QString& path) {
    settings.setValue(lastProfileKey, QFileInfo(path).absoluteFilePath());
    settings.sync();
}

} // namespace parlomatic

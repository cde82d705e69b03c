// SPDX-License-Identifier: GPL-3.0-or-later
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
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Most starts open the profile of last time: the settings file is then
    // left alone, which spares a synced rewrite of it on every start.
    if (rememberedProfile(settings) == absolute)
        return;
    settings.setValue(lastProfileKey, absolute);
    settings.sync();
}

} // namespace parlomatic

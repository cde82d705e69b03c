// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace parlomatic {

// The settings that the window and the command line share: per user, where
// the platform keeps them (on Linux $XDG_CONFIG_HOME/Parlomatic/Parlomatic.conf).
std::unique_ptr<QSettings> programSettings();

// The profile used last time, kept in the program's settings. Empty when none
// was remembered.
QString rememberedProfile(const QSettings& settings);
// Remembers path (made absolute) as the profile used last; the settings are
// written only when that changes what they hold.
void rememberProfile(QSettings& settings, const QString& path);

} // namespace parlomatic

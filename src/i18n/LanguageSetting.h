// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSettings;

namespace parlomatic {

// The language the player chose in the information window; empty when the
// windows follow the system.
QString rememberedLanguage(const QSettings& settings);
// Remembers code as the player's choice; empty forgets it.
void rememberLanguage(QSettings& settings, const QString& code);

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageSetting.h"

#include <QSettings>

namespace parlomatic {

namespace {
const QString languageKey = QStringLiteral("language");
}

QString rememberedLanguage(const QSettings& settings) {
    return settings.value(languageKey).toString();
}

void rememberLanguage(QSettings& settings, const QString& code) {
    if (code.isEmpty())
        settings.remove(languageKey);
    else
        settings.setValue(languageKey, code);
    settings.sync();
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Languages.h"

#include <QLocale>

#include <algorithm>

namespace parlomatic {

const QList<Language>& windowLanguages() {
    static const QList<Language> languages{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Fran\u00E7ais")},
        {QStringLiteral("es"), QStringLiteral("Espa\u00F1ol")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("ru"), QStringLiteral("\u0420\u0443\u0441\u0441\u043A\u0438\u0439")},
        {QStringLiteral("pt_BR"), QStringLiteral("Portugu\u00EAs (Brasil)")},
    };
    return languages;
}

bool isWindowLanguage(const QString& code) {
    const QList<Language>& languages = windowLanguages();
    return std::any_of(languages.begin(), languages.end(), [&](const Language& each) { return each.code == code; });
}

QString windowLanguageFor(const QString& localeName) {
    QString name = localeName;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (isWindowLanguage(name))
        return name;
    const QString language = QLocale::languageToCode(QLocale(name).language());
    if (isWindowLanguage(language))
        return language;
    // Brazilian Portuguese is the Portuguese we have; it serves Portugal too.
    if (language == QStringLiteral("pt"))
        return QStringLiteral("pt_BR");
    return {};
}

QString chosenLanguage(const QString& requested, const QStringList& systemLanguages) {
    if (isWindowLanguage(requested))
        return requested;
    for (const QString& each : systemLanguages) {
        if (const QString ours = windowLanguageFor(each); !ours.isEmpty())
            return ours;
    }
    return QStringLiteral("en");
}

} // namespace parlomatic

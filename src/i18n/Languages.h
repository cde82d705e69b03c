// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace parlomatic {

// A language the windows speak: its code as the settings, --lang and the
// translation files name it, and its name in itself for the chooser.
struct Language {
    QString code;
    QString nativeName;
};

// English first: the texts as written, needing no translation.
const QList<Language>& windowLanguages();

// Whether code names one of windowLanguages().
bool isWindowLanguage(const QString& code);

// The code of ours that serves locale name ("de-AT", "pt_BR", "ru"): the same
// language and country, else the same language; empty when none does.
QString windowLanguageFor(const QString& localeName);

// The language the windows speak: requested (from --lang or the settings)
// when it is one of ours, else the first of the system's UI languages, in the
// system's order of preference, that we have, else English.
QString chosenLanguage(const QString& requested, const QStringList& systemLanguages);

} // namespace parlomatic

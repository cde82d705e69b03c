// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace parlomatic {

namespace {

// Qt's translations come with the system's Qt on Linux; a Windows build links
// Qt in, so it carries them in its resources beside the program's own.
QString qtTranslationsFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral(":/i18n");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

Translations::Translations(const QString& language) {
    if (language == QStringLiteral("en"))
        return;
    if (m_program.load(QStringLiteral(":/i18n/parlomatic_") + language))
        QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(QStringLiteral("qtbase_") + language, qtTranslationsFolder()))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

} // namespace parlomatic

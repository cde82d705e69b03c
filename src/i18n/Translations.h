// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

namespace parlomatic {

// The translators of one language, installed into the application for as
// long as this lives: the program's own texts and Qt's (the standard buttons
// Yes, No, OK, Cancel and the file dialogs).
class Translations {
public:
    // Nothing is installed for English, the language the texts are written in.
    explicit Translations(const QString& language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Languages.h"
#include "i18n/Translations.h"

#include <QtTest>

using namespace parlomatic;

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void theChoiceFollowsTheRequestThenTheSystem_data();
    void theChoiceFollowsTheRequestThenTheSystem();
    void everyLanguageCarriesItsTranslationsAndQts();
};

void TestLanguages::theChoiceFollowsTheRequestThenTheSystem_data() {
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("system") << QString() << QStringList{QStringLiteral("de-DE")} << QStringLiteral("de");
    QTest::newRow("country of ours") << QString() << QStringList{QStringLiteral("pt-BR")} << QStringLiteral("pt_BR");
    QTest::newRow("Portugal gets Brazil's")
        << QString() << QStringList{QStringLiteral("pt-PT")} << QStringLiteral("pt_BR");
    QTest::newRow("first we have") << QString() << QStringList{QStringLiteral("it-IT"), QStringLiteral("ru-RU")}
                                   << QStringLiteral("ru");
    QTest::newRow("English before a later one")
        << QString() << QStringList{QStringLiteral("en-GB"), QStringLiteral("fr-FR")} << QStringLiteral("en");
    QTest::newRow("none we have") << QString() << QStringList{QStringLiteral("ja-JP")} << QStringLiteral("en");
    QTest::newRow("request wins") << QStringLiteral("pl") << QStringList{QStringLiteral("de-DE")}
                                  << QStringLiteral("pl");
    QTest::newRow("unknown request") << QStringLiteral("xx") << QStringList{QStringLiteral("es-MX")}
                                     << QStringLiteral("es");
}

void TestLanguages::theChoiceFollowsTheRequestThenTheSystem() {
    QFETCH(QString, requested);
    QFETCH(QStringList, system);
    QFETCH(QString, chosen);
    QCOMPARE(chosenLanguage(requested, system), chosen);
}

// Every language of the chooser has the program's texts in the resources and
// Qt's own, so that a question's Yes and No speak it too.
void TestLanguages::everyLanguageCarriesItsTranslationsAndQts() {
    for (const Language& language : windowLanguages()) {
        if (language.code == QStringLiteral("en"))
            continue;
        const Translations translations(language.code);
        QVERIFY2(QCoreApplication::translate("SpeechTool", "No voicepack selected") !=
                     QStringLiteral("No voicepack selected"),
                 qPrintable(language.code));
        QVERIFY2(QCoreApplication::translate("QPlatformTheme", "Cancel") != QStringLiteral("Cancel"),
                 qPrintable(language.code));
    }
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Languages.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace parlomatic;

namespace {

const QString sourceDir = QStringLiteral(PARLOMATIC_SOURCE_DIR);

struct Message {
    QString context;
    QString source;
    QString type;             // "unfinished", "vanished", "obsolete" or empty
    QStringList translations; // one, or one per plural form
};

QList<Message> messagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1StringView("numerus")) == u"yes";
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.name() == u"translation") {
            messages.last().type = xml.attributes().value(QLatin1StringView("type")).toString();
            if (!numerus)
                messages.last().translations.append(xml.readElementText(QXmlStreamReader::SkipChildElements));
        } else if (xml.name() == u"numerusform") {
            messages.last().translations.append(xml.readElementText(QXmlStreamReader::SkipChildElements));
        }
    }
    return messages;
}

QSet<QString> sourcesOf(const QList<Message>& messages) {
    QSet<QString> sources;
    for (const Message& each : messages)
        sources.insert(each.context + u'\u0001' + each.source);
    return sources;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[0-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

QStringList translationFiles() {
    return QDir(sourceDir + QStringLiteral("/translations"))
        .entryList({QStringLiteral("parlomatic_*.ts")}, QDir::Files, QDir::Name);
}

} // namespace

// The translation files hold every text the windows show, each translated,
// with the same placeholders as its source.
class TestTranslationFiles : public QObject {
    Q_OBJECT

private slots:
    void everyLanguageHasAFile();
    void everyTextIsTranslated();
    void theFilesHoldEveryTextOfTheCode();
};

void TestTranslationFiles::everyLanguageHasAFile() {
    QStringList expected;
    for (const Language& each : windowLanguages()) {
        if (each.code != QStringLiteral("en"))
            expected.append(QStringLiteral("parlomatic_%1.ts").arg(each.code));
    }
    expected.sort();
    QCOMPARE(translationFiles(), expected);
}

void TestTranslationFiles::everyTextIsTranslated() {
    for (const QString& name : translationFiles()) {
        const QList<Message> messages = messagesOf(sourceDir + QStringLiteral("/translations/") + name);
        QVERIFY2(!messages.isEmpty(), qPrintable(name));
        for (const Message& each : messages) {
            const QString where = name + QStringLiteral(": ") + each.context + QStringLiteral(": ") + each.source;
            QVERIFY2(each.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + each.type));
            QVERIFY2(!each.translations.isEmpty(), qPrintable(where));
            for (const QString& translation : each.translations) {
                QVERIFY2(!translation.isEmpty(), qPrintable(where));
                QVERIFY2(placeholders(translation) == placeholders(each.source),
                         qPrintable(where + QStringLiteral(" -> ") + translation));
            }
        }
    }
}

// lupdate over the sources adds to a copy of a file what the code shows and
// the file lacks: a text outside the files is one that no window translates.
void TestTranslationFiles::theFilesHoldEveryTextOfTheCode() {
    const QString lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
    if (!QFile::exists(lupdate))
        QSKIP("lupdate is missing (Debian's qt6-l10n-tools)");
    QTemporaryDir work;
    const QString copy = work.filePath(QStringLiteral("parlomatic_de.ts"));
    QVERIFY(QFile::copy(sourceDir + QStringLiteral("/translations/parlomatic_de.ts"), copy));
    QProcess run;
    run.setWorkingDirectory(sourceDir);
    run.start(lupdate,
              {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
               QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("-I"),
               QStringLiteral("src"), QStringLiteral("src"), QStringLiteral("-ts"), copy});
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitCode(), 0);

    const QSet<QString> inCode = sourcesOf(messagesOf(copy));
    for (const QString& name : translationFiles()) {
        const QSet<QString> inFile = sourcesOf(messagesOf(sourceDir + QStringLiteral("/translations/") + name));
        QStringList missing = (inCode - inFile).values();
        QStringList stale = (inFile - inCode).values();
        QVERIFY2(missing.isEmpty(), qPrintable(name + QStringLiteral(" lacks ") + missing.join(u", ")));
        QVERIFY2(stale.isEmpty(), qPrintable(name + QStringLiteral(" still holds ") + stale.join(u", ")));
    }
}

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/KeyboardLayout.h"
#include "keymappicture/KeyboardMapPicture.h"
#include "support/CliRunner.h"
#include "support/TempProfile.h"

#include <QDir>
#include <QImage>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;

namespace {

// The colour inside key, beside its text.
QColor keyFill(const QImage& image, const QString& key) {
    const QRectF place = KeyboardMapPicture(QRectF(QPointF(0, 0), image.size())).keyRect(layoutIndexOf(key));
    return image.pixelColor((place.topLeft() + QPointF(place.width() * 0.12, place.height() * 0.85)).toPoint());
}

} // namespace

class TestKeymapCommand : public QObject {
    Q_OBJECT

private slots:
    void writesPicture();
    void failures_data();
    void failures();
};

void TestKeymapCommand::writesPicture() {
    TempProfile profile(gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\nF6=speech 9 9 -1\r\nF7=Fire\r\n"));
    const QString png = profile.dir() + QStringLiteral("/map.png");
    const CliRun run =
        runCli({QStringLiteral("--profile"), profile.path(), QStringLiteral("keymap"), QStringLiteral("--png"), png});
    QCOMPARE(run.exitCode, 0);
    const QImage image(png);
    QCOMPARE(image.size(), (KeyboardMapPicture::naturalSize() * 2).toSize());
    QCOMPARE(keyFill(image, QStringLiteral("F5")), bindingColour(BindingClass::CurrentTaunt));
    QCOMPARE(keyFill(image, QStringLiteral("F6")), bindingColour(BindingClass::OtherSpeech));
    QCOMPARE(keyFill(image, QStringLiteral("F7")), bindingColour(BindingClass::Weapon));
    QCOMPARE(keyFill(image, QStringLiteral("F8")), bindingColour(BindingClass::Nothing));
    // A key "All available Keys" lacks is drawn as what it holds, not greyed.
    QCOMPARE(keyFill(image, QStringLiteral("Backspace")), bindingColour(BindingClass::Nothing));
}

void TestKeymapCommand::failures_data() {
    QTest::addColumn<QStringList>("arguments"); // %1 stands for the temporary folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << QStringList{QStringLiteral("keymap")} << 2 << QStringLiteral("--png FILE is required");
    QTest::newRow("folder in the file's place")
        << QStringList{QStringLiteral("keymap"), QStringLiteral("--png"), QStringLiteral("%1")} << 1
        << QStringLiteral("keymap: ");
    QTest::newRow("no profile") << QStringList{QStringLiteral("--profile"), QStringLiteral("%1/none.ini"),
                                               QStringLiteral("keymap"), QStringLiteral("--png"),
                                               QStringLiteral("%1/map.png")}
                                << 1 << QStringLiteral("no profile at");
}

void TestKeymapCommand::failures() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TempProfile profile(gameProfile("BotPack.VoiceMaleTwo"));
    QStringList filled;
    if (!arguments.contains(QStringLiteral("--profile")))
        filled = QStringList{QStringLiteral("--profile"), profile.path()};
    for (const QString& argument : arguments)
        filled.append(argument.contains(QStringLiteral("%1")) ? argument.arg(profile.dir()) : argument);
    const CliRun run = runCli(filled);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(QDir(profile.dir()).entryList(QDir::Files), QStringList{QStringLiteral("kvuser.ini")});
}

QTEST_GUILESS_MAIN(TestKeymapCommand)
#include "tst_KeymapCommand.moc"

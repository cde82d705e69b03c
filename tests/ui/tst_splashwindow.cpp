// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "catalogue/ProductInfo.h"
#include "support/ScriptedInteraction.h"
#include "ui/SplashWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

// Records the heights a window takes while it shrinks.
class HeightRecorder : public QObject {
public:
    QList<int> heights;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            heights.append(static_cast<QResizeEvent*>(event)->size().height());
        return QObject::eventFilter(watched, event);
    }
};

QString captionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    return {};
}

} // namespace

class TestSplashWindow : public QObject {
    Q_OBJECT

private slots:
    void captions_data();
    void captions();
    void noTitleBarAndCentred();
    void productLineGrowsToFit();
    void closeThisScreenShrinksThenUnloads();
    void visitOpensFixedAddress();
};

void TestSplashWindow::captions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");

    const QString blank = u" "_s;
    QTest::newRow("product") << u"lblCompanyProduct"_s << product::productLine();
    QTest::newRow("credit") << u"lblPlatform"_s << product::creditLine();
    QTest::newRow("Label1") << u"Label1"_s << u"Put this program into your UT/system folder"_s;
    QTest::newRow("Label2") << u"Label2"_s
                            << u"Simply choose a Taunt and a free Key and Press the assign Button. Do that for all "
                               u"desired taunts"_s;
    QTest::newRow("Label3 with 24 blanks")
        << u"Label3"_s
        << u"This tool also has support for some non Standardvoicpacks, make sure you have installed them, before "
           u"you use them"_s +
               blank.repeated(24) + u"(Like the Ned Flanders Voicepack)"_s;
    QTest::newRow("Label4 with its trailing blank")
        << u"Label4"_s
        << u"If you want to use non Standardvoicepacks Online,the Server must have installed those Voicepacks too. "_s;
    QTest::newRow("Label5 with its leading blank and 59 blanks")
        << u"Label5"_s
        << u" Kind of a disclaimer:"_s + blank.repeated(59) +
               u"This software is provided as is. The author takes no responsibilitys whatsoever"_s;
    QTest::newRow("Label6") << u"Label6"_s << u"This Tool (and maybe future versions) can be downloaded here:"_s;
    QTest::newRow("Label7") << u"Label7"_s << u"or"_s;
    QTest::newRow("address") << u"Text2"_s << product::downloadAddress();
    QTest::newRow("close") << u"Command2"_s << u"Close this Screen"_s;
    QTest::newRow("visit with two blanks") << u"Command3"_s << u"Visit  "_s + product::downloadHost();
}

void TestSplashWindow::captions() {
    QFETCH(QString, control);
    QFETCH(QString, caption);

    ScriptedInteraction interaction;
    SplashWindow splash(interaction);
    splash.show();
    const auto* widget = splash.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(captionOf(widget), caption);
}

void TestSplashWindow::noTitleBarAndCentred() {
    ScriptedInteraction interaction;
    SplashWindow splash(interaction);
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.windowType(), Qt::Tool);
    QVERIFY(!splash.testAttribute(Qt::WA_QuitOnClose));
    // The client area of 7380 x 4965 twips inside the drawn border, and below it the language row.
    QCOMPARE(splash.contentsRect().size(), QSize(492, 331 + 29));

    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.frameGeometry().center(), splash.screen()->availableGeometry().center());
    QCOMPARE(captionsThatDoNotFit(&splash), QStringList());
}

void TestSplashWindow::productLineGrowsToFit() {
    ScriptedInteraction interaction;
    SplashWindow splash(interaction);
    splash.show();
    auto* label = splash.findChild<QLabel*>(QStringLiteral("lblCompanyProduct"));
    const QPoint place = label->pos();

    splash.setProductLine(product::productLineVersioned());
    QCOMPARE(splash.productLine(), product::productLineVersioned());
    const int longWidth = label->width();
    QVERIFY(longWidth >= label->fontMetrics().horizontalAdvance(product::productLineVersioned()));

    splash.setProductLine(product::productLine());
    QVERIFY(label->width() < longWidth);
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(product::productLine()));
    QCOMPARE(label->pos(), place);
}

void TestSplashWindow::closeThisScreenShrinksThenUnloads() {
    ScriptedInteraction interaction;
    QPointer<SplashWindow> splash = new SplashWindow(interaction);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    const QRect shown = splash->geometry();
    HeightRecorder recorder;
    splash->installEventFilter(&recorder);
    QSignalSpy unloaded(splash.data(), &SplashWindow::unloaded);

    QTest::mouseClick(splash->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    // Shrunk in several visible steps from the bottom edge, the top staying put.
    QCOMPARE(unloaded.count(), 1);
    QVERIFY2(recorder.heights.size() >= 5, qPrintable(QString::number(recorder.heights.size())));
    for (qsizetype i = 1; i < recorder.heights.size(); ++i)
        QVERIFY(recorder.heights[i] < recorder.heights[i - 1]);
    QVERIFY(recorder.heights.first() < shown.height());
    QVERIFY(recorder.heights.last() <= 2);
    QCOMPARE(splash->pos(), shown.topLeft());
    QVERIFY(!splash->isVisible());
    QTRY_VERIFY(!splash);
}

void TestSplashWindow::visitOpensFixedAddress() {
    ScriptedInteraction interaction;
    SplashWindow splash(interaction);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    // The address box is editable, but "Visit" always opens the download site.
    splash.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("https://elsewhere.example.org/"));

    QTest::mouseClick(splash.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);

    QCOMPARE(interaction.openedAddresses, QStringList{product::downloadAddress()});
    QVERIFY(splash.isVisible());
}

QTEST_MAIN(TestSplashWindow)
#include "tst_splashwindow.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "i18n/Translations.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

#include <memory>

using namespace parlomatic;
using namespace parlomatic::test;

namespace {

// What the player reads or works: labels, buttons, lists, drop-downs, text boxes and custom views.
bool isControl(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || widget->focusPolicy() != Qt::NoFocus;
}

// The visible controls of window, leaving out the parts of a control (a list's scroll bars, a drop-down's box).
QList<const QWidget*> controlsOf(const QWidget* window) {
    QList<const QWidget*> controls;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(window) || !isControl(widget))
            continue;
        bool part = false;
        for (const QWidget* parent = widget->parentWidget(); parent != window; parent = parent->parentWidget())
            part = part || isControl(parent);
        if (!part)
            controls.append(widget);
    }
    return controls;
}

QRect placeIn(const QWidget* window, const QWidget* control) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

// Where a control draws: a label its text (its place may reach under a
// neighbour, as the window's design has it), a picture nothing that could
// hide a control, anything else its place.
QRect drawnIn(const QWidget* window, const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label == nullptr)
        return placeIn(window, control);
    if (label->text().isEmpty())
        return {};
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
    return text.translated(label->mapTo(window, QPoint(0, 0)));
}

// "name1 overlaps name2", "name cut off" for every control of window that another hides or the window cuts.
QStringList overlapsAndCuts(const QWidget* window) {
    QStringList faults;
    const QList<const QWidget*> controls = controlsOf(window);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = placeIn(window, controls[i]);
        for (const QWidget* parent = controls[i]->parentWidget(); parent != nullptr && !parent->isWindow();
             parent = parent->parentWidget()) {
            if (!QRect(parent->mapTo(window, QPoint(0, 0)), parent->size()).contains(place))
                faults.append(controls[i]->objectName() + QStringLiteral(" cut off by ") + parent->objectName());
        }
        if (!window->rect().contains(place))
            faults.append(controls[i]->objectName() + QStringLiteral(" cut off by the window"));
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (drawnIn(window, controls[i]).intersects(drawnIn(window, controls[j])))
                faults.append(controls[i]->objectName() + QStringLiteral(" overlaps ") + controls[j]->objectName());
        }
    }
    return faults + captionsThatDoNotFit(window);
}

} // namespace

// Every window at the font DPI the run was given (the test runs at 96 and at
// 150, and in each translation at 96 and 144), in the language of
// PARLOMATIC_TEST_LANGUAGE: all of its controls within it, none over another,
// every caption whole.
class TestWindowFit : public QObject {
    Q_OBJECT

    std::unique_ptr<Translations> m_translations;

private slots:
    void initTestCase();
    void fontsFollowTheFontDpi();
    void everyWindowShowsAllOfItsControls();
};

void TestWindowFit::initTestCase() {
    const QString language = qEnvironmentVariable("PARLOMATIC_TEST_LANGUAGE", QStringLiteral("en"));
    m_translations = std::make_unique<Translations>(language);
    QVERIFY(language == QStringLiteral("en") || QCoreApplication::translate("SpeechTool", "No voicepack selected") !=
                                                    QStringLiteral("No voicepack selected"));
}

void TestWindowFit::fontsFollowTheFontDpi() {
    const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
    if (dpi == 0)
        QSKIP("runs at the standard font DPI");
    // The check below means something only when the fonts grew.
    QCOMPARE(QFontInfo(dialogFont(12)).pixelSize(), qRound(12.0 * dpi / 72));
    QCOMPARE(logicalDpi(), dpi);
}

void TestWindowFit::everyWindowShowsAllOfItsControls() {
    const EveryWindowOpen open;
    QVERIFY(open.started.window);
    const QList<QWidget*>& windows = open.windows;
    const QRect screen = open.started.window->screen()->availableGeometry();
    for (QWidget* window : windows) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList faults = overlapsAndCuts(window);
        QVERIFY2(faults.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") + faults.join(u", ")));
        QVERIFY2(screen.contains(window->geometry()), qPrintable(window->objectName()));
    }
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"

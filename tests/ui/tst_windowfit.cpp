// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "history/ChangeHistory.h"
#include "history/ChangeRecorder.h"
#include "ui/EliteVoiceChangerWindow.h"
#include "ui/Fonts.h"
#include "ui/HistoryWindow.h"
#include "ui/KeyboardMapWindow.h"
#include "ui/SplashWindow.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

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
// 150): all of its controls within it, none over another, every caption whole.
class TestWindowFit : public QObject {
    Q_OBJECT

private slots:
    void fontsFollowTheFontDpi();
    void everyWindowShowsAllOfItsControls();
};

void TestWindowFit::fontsFollowTheFontDpi() {
    const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
    if (dpi == 0)
        QSKIP("runs at the standard font DPI");
    // The check below means something only when the fonts grew.
    QCOMPARE(QFontInfo(dialogFont(12)).pixelSize(), qRound(12.0 * dpi / 72));
    QCOMPARE(logicalDpi(), dpi);
}

void TestWindowFit::everyWindowShowsAllOfItsControls() {
    StartedWindow started(gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\n"));
    QVERIFY(started.window);
    QTemporaryDir settings;
    const ChangeHistory history(settings.path());
    ChangeRecorder recorder(history, ChangeSource::Window, [] { return false; });
    started.window->setRecorders(&recorder, &recorder);
    started.tool.setRecorder(&recorder);
    started.tool.selectTaunt(0);
    started.tool.selectKey(5);
    started.tool.assignSpeech_Click();

    started.window->info_button_Click();
    started.window->elite_name_changer_Click();
    started.window->keyboard_map_Click();
    started.window->history_Click();
    const QList<QWidget*> windows{started.window.get(), started.window->splash(), started.window->nameChanger(),
                                  started.window->keyboardMap(), started.window->history()};
    const QRect screen = started.window->screen()->availableGeometry();
    for (QWidget* window : windows) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList faults = overlapsAndCuts(window);
        QVERIFY2(faults.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") + faults.join(u", ")));
        QVERIFY2(screen.contains(window->geometry()), qPrintable(window->objectName()));
    }
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;

namespace {

const QChar opening(u'\u2039');

// Marks every text of ours that goes through a translation; Qt's own stay as they are.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArrayView(context).startsWith("Q"))
            return {};
        return opening + QString::fromUtf8(source) + QChar(u'\u203A');
    }
};

// "object: text" for each text of window the player reads that no translation passed.
QStringList untranslatedTexts(const QWidget* window, const QStringList& dataFields) {
    QStringList found;
    const auto check = [&](const QWidget* widget, const QString& text) {
        if (!text.trimmed().isEmpty() && !text.contains(opening) && !dataFields.contains(widget->objectName()))
            found.append(widget->objectName() + QStringLiteral(": ") + text);
    };
    QList<const QWidget*> widgets{window};
    for (const QWidget* each : window->findChildren<QWidget*>())
        widgets.append(each);
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) && widget != window)
            continue;
        check(widget, widget->toolTip());
        check(widget, widget->accessibleName());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            check(widget, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            check(widget, button->text());
        if (const auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
            for (int column = 0; column < tree->columnCount(); ++column)
                check(widget, tree->headerItem()->text(column));
        }
    }
    return found;
}

} // namespace

// Every text a window shows of its own goes through a translation: with a
// translator that marks what it translates, no unmarked caption remains.
class TestTranslatedWindows : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionIsTranslated();
};

void TestTranslatedWindows::everyCaptionIsTranslated() {
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    const EveryWindowOpen open;
    QVERIFY(open.started.window);
    // What is no sentence of ours: the profile's path, and the product's name
    // in the information window and the main window's caption.
    const QStringList dataFields{QStringLiteral("profileLine"), QStringLiteral("lblCompanyProduct"),
                                 QStringLiteral("SpeechTool")};
    for (const QWidget* window : open.windows) {
        const QStringList untranslated = untranslatedTexts(window, dataFields);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    }
    QCoreApplication::removeTranslator(&marking);
}

QTEST_MAIN(TestTranslatedWindows)
#include "tst_translatedwindows.moc"

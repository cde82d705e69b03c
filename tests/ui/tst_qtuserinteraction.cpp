// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ProductInfo.h"
#include "ui/QtUserInteraction.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using namespace parlomatic;
using namespace Qt::StringLiterals;

namespace {

// Hands the modal dialog to inspect as soon as it is up, and again every few
// milliseconds until inspect returns true, having closed it. A dialog that is
// still open after three seconds is rejected, so that a failing test ends.
void whenDialogShows(const std::function<bool(QWidget*)>& inspect) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect, tries] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && inspect(dialog)) {
            timer->stop();
            timer->deleteLater();
        } else if (++*tries == 300) {
            if (auto* stuck = qobject_cast<QDialog*>(dialog))
                stuck->reject();
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

} // namespace

class TestQtUserInteraction : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data();
    void messageBox();
    void fileDialogOffersOnlyProfile_data();
    void fileDialogOffersOnlyProfile();
    void profileChooser_data();
    void profileChooser();
};

void TestQtUserInteraction::messageBox_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<MessageAnswer>("defaultButton");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<QMessageBox::StandardButtons>("shownButtons");
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<MessageAnswer>("answer");

    QTest::newRow("plain OK") << u"Error"_s << MessageIcon::None << MessageButtons::Ok << MessageAnswer::Ok
                              << u"Error"_s << QMessageBox::NoIcon << QMessageBox::StandardButtons(QMessageBox::Ok)
                              << QMessageBox::Ok << MessageAnswer::Ok;
    QTest::newRow("note with information icon")
        << u"Skaarj Hybrid Voice"_s << MessageIcon::Information << MessageButtons::Ok << MessageAnswer::Ok
        << u"Skaarj Hybrid Voice"_s << QMessageBox::Information << QMessageBox::StandardButtons(QMessageBox::Ok)
        << QMessageBox::Ok << MessageAnswer::Ok;
    QTest::newRow("no title carries the application's")
        << QString() << MessageIcon::None << MessageButtons::Ok << MessageAnswer::Ok << product::applicationTitle()
        << QMessageBox::NoIcon << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok << MessageAnswer::Ok;
    QTest::newRow("critical question, Yes")
        << product::applicationTitle() << MessageIcon::Critical << MessageButtons::YesNo << MessageAnswer::No
        << product::applicationTitle() << QMessageBox::Critical << (QMessageBox::Yes | QMessageBox::No)
        << QMessageBox::Yes << MessageAnswer::Yes;
    QTest::newRow("critical question, No")
        << product::applicationTitle() << MessageIcon::Critical << MessageButtons::YesNo << MessageAnswer::No
        << product::applicationTitle() << QMessageBox::Critical << (QMessageBox::Yes | QMessageBox::No)
        << QMessageBox::No << MessageAnswer::No;
}

void TestQtUserInteraction::messageBox() {
    QFETCH(QString, title);
    QFETCH(MessageIcon, icon);
    QFETCH(MessageButtons, buttons);
    QFETCH(MessageAnswer, defaultButton);
    QFETCH(QString, shownTitle);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(QMessageBox::StandardButtons, shownButtons);
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(MessageAnswer, answer);

    QString seenTitle, seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons seenButtons;
    QMessageBox::StandardButton seenDefault = QMessageBox::NoButton;
    whenDialogShows([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box)
            return false;
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        seenButtons = box->standardButtons();
        seenDefault = box->standardButton(box->defaultButton());
        box->button(press)->click();
        return true;
    });

    QtUserInteraction interaction;
    const MessageAnswer given = interaction.showMessage(
        {u"Really delete all voice entrys in your KVuser.ini?"_s, title, icon, buttons, defaultButton});

    QCOMPARE(given, answer);
    QCOMPARE(seenTitle, shownTitle);
    QCOMPARE(seenText, u"Really delete all voice entrys in your KVuser.ini?"_s);
    QCOMPARE(seenIcon, shownIcon);
    QCOMPARE(seenButtons, shownButtons);
    QCOMPARE(seenDefault, defaultButton == MessageAnswer::No ? QMessageBox::No : QMessageBox::Ok);
}

void TestQtUserInteraction::fileDialogOffersOnlyProfile_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestQtUserInteraction::fileDialogOffersOnlyProfile() {
    QFETCH(bool, accept);

    QTemporaryDir folder;
    for (const QString& name : {u"kvuser.ini"_s, u"User.ini"_s}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString profile = folder.filePath(u"kvuser.ini"_s);

    QString seenTitle, seenFolder, ownerTitle;
    QStringList seenFilters;
    QFileDialog::FileMode seenMode = QFileDialog::AnyFile;
    bool ownerVisible = true;
    bool hiddenShown = false;
    whenDialogShows([&](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        if (!fileDialog)
            return false;
        seenTitle = fileDialog->windowTitle();
        seenFolder = fileDialog->directory().absolutePath();
        seenFilters = fileDialog->nameFilters();
        seenMode = fileDialog->fileMode();
        hiddenShown = fileDialog->filter().testFlag(QDir::Hidden);
        ownerTitle = fileDialog->parentWidget()->windowTitle();
        ownerVisible = fileDialog->parentWidget()->isVisible();
        if (!accept) {
            fileDialog->reject();
            return true;
        }
        // Typed into the file name box and confirmed, as a player would.
        auto* name = fileDialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
        if (!name)
            return false;
        name->setText(profile);
        QTest::keyClick(name, Qt::Key_Return);
        return !fileDialog->isVisible();
    });

    QtUserInteraction interaction;
    const QString chosen = interaction.chooseOpenFile(
        {u"Please locate your kvuser.ini (could be found in ut/system folder)"_s, u"kvuser.ini"_s, folder.path()});

    QCOMPARE(chosen, accept ? profile : QString());
    QCOMPARE(seenTitle, u"Please locate your kvuser.ini (could be found in ut/system folder)"_s);
    QCOMPARE(seenFolder, QDir(folder.path()).absolutePath());
    QCOMPARE(seenFilters, QStringList{u"kvuser.ini"_s});
    QCOMPARE(seenMode, QFileDialog::ExistingFile);
    QVERIFY(hiddenShown);
    QCOMPARE(ownerTitle, u"Form2"_s);
    QVERIFY(!ownerVisible);
    QVERIFY(interaction.form2());
    QVERIFY(!interaction.form2()->isVisible());
}

void TestQtUserInteraction::profileChooser_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("answer");
    QTest::newRow("first, preselected") << u"open"_s << -1 << 0;
    QTest::newRow("second") << u"open"_s << 1 << 1;
    QTest::newRow("browse") << u"browse"_s << 1 << -1;
}

void TestQtUserInteraction::profileChooser() {
    QFETCH(QString, button);
    QFETCH(int, row);
    QFETCH(int, answer);
    const QList<FoundProfile> found{{u"/new/kvuser.ini"_s, u"Steam"_s, QDateTime::currentDateTime()},
                                    {u"/old/kvuser.ini"_s, u"Wine prefix"_s, QDateTime::currentDateTime().addDays(-9)}};
    QStringList shown;
    whenDialogShows([&](QWidget* dialog) {
        auto* list = dialog->findChild<QTreeWidget*>(u"profiles"_s);
        if (!list)
            return false;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            shown.append(list->topLevelItem(i)->text(0) + u' ' + list->topLevelItem(i)->text(1));
        if (row >= 0)
            list->setCurrentItem(list->topLevelItem(row));
        dialog->findChild<QPushButton*>(button)->click();
        return true;
    });
    QtUserInteraction interaction;
    QCOMPARE(interaction.chooseProfile(found), answer);
    QCOMPARE(shown, (QStringList{u"Steam /new/kvuser.ini"_s, u"Wine prefix /old/kvuser.ini"_s}));
}

QTEST_MAIN(TestQtUserInteraction)
#include "tst_qtuserinteraction.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtUserInteraction.h"

#include "catalogue/ProductInfo.h"
#include "ui/ProfileChooser.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace parlomatic {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton boxButton(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QtUserInteraction::QtUserInteraction() = default;
QtUserInteraction::~QtUserInteraction() = default;

MessageAnswer QtUserInteraction::showMessage(const MessageRequest& request) {
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(request.icon), request.title.isEmpty() ? product::applicationTitle() : request.title,
                    request.text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(boxButton(request.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

QString QtUserInteraction::chooseOpenFile(const OpenFileRequest& request) {
    if (!m_form2) {
        m_form2 = std::make_unique<QWidget>();
        m_form2->setObjectName(QStringLiteral("Form2"));
        m_form2->setWindowTitle(QStringLiteral("Form2"));
    }
    QFileDialog dialog(m_form2.get(), request.title, request.initialDir);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(request.fileName);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtUserInteraction::chooseSaveFile(const SaveFileRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), request.title,
                       QDir(request.initialDir).filePath(request.fileName));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(request.nameFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int QtUserInteraction::chooseProfile(const QList<FoundProfile>& profiles) {
    ProfileChooser chooser(profiles, QApplication::activeWindow());
    return chooser.exec() == QDialog::Accepted ? chooser.selectedIndex() : -1;
}

void QtUserInteraction::openInBrowser(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProfileChooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parlomatic {

ProfileChooser::ProfileChooser(const QList<FoundProfile>& profiles, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("ProfileChooser"));
    setWindowTitle(tr("Choose your kvuser.ini"));

    auto* intro = new QLabel(tr("Several kvuser.ini files were found. Which one does the game use?"), this);
    m_list->setObjectName(QStringLiteral("profiles"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Found in"), tr("Path"), tr("Last changed")});
    for (const FoundProfile& profile : profiles) {
        auto* item = new QTreeWidgetItem(
            m_list, {profile.place, profile.path, QLocale().toString(profile.lastModified, QLocale::ShortFormat)});
        item->setToolTip(1, profile.path);
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setCurrentItem(m_list->topLevelItem(0));
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("open"));
    open->setDefault(true);
    QPushButton* browse = buttons->addButton(tr("Browse…"), QDialogButtonBox::RejectRole);
    browse->setObjectName(QStringLiteral("browse"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(760, 280);
}

int ProfileChooser::selectedIndex() const {
    QTreeWidgetItem* item = m_list->currentItem();
    return item ? m_list->indexOfTopLevelItem(item) : -1;
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HistoryWindow.h"

#include "editor/SpeechTool.h"
#include "history/ChangeHistory.h"
#include "history/HistoryText.h"
#include "ui/Fonts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parlomatic {

namespace {

constexpr int idRole = Qt::UserRole;

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* created = new QPushButton(text, parent);
    created->setObjectName(name);
    return created;
}

} // namespace

HistoryWindow::HistoryWindow(SpeechTool& tool, const ChangeHistory& history)
    : QWidget(nullptr, Qt::Window), m_tool(tool), m_history(history) {
    setObjectName(tr("History"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("History"));
    setFont(dialogFont());

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("historyProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("changes"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("When"), tr("Change"), tr("By"), QString()});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);

    auto* undo = button(tr("Undo"), QStringLiteral("undo"), this);
    m_undoBackTo = button(tr("Undo back to here"), QStringLiteral("undoBackTo"), this);
    auto* original = button(tr("Restore original"), QStringLiteral("restoreOriginal"), this);
    original->setToolTip(tr("Gives kvuser.ini back the content it had before Parlomatic first changed it"));
    auto* close = button(tr("Close"), QStringLiteral("close"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {undo, m_undoBackTo, original})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_problem);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);

    connect(undo, &QPushButton::clicked, this, [this] { m_tool.undoLatest(); });
    connect(m_undoBackTo, &QPushButton::clicked, this, [this] {
        if (const qint64 id = selectedId(); id > 0)
            m_tool.undoBackTo(id);
    });
    connect(original, &QPushButton::clicked, this, [this] { m_tool.restoreOriginal(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { m_undoBackTo->setEnabled(selectedId() > 0); });
    showState();
}

void HistoryWindow::showState() {
    const HistoryRead read = m_history.read(m_tool.profilePath());
    m_problem->setText(read.problem);
    m_problem->setVisible(!read.problem.isEmpty());
    m_list->clear();
    for (auto record = read.records.crbegin(); record != read.records.crend(); ++record) {
        auto* item = new QTreeWidgetItem(m_list, {recordTimeText(*record), record->description,
                                                  recordSourceText(*record), recordStateText(*record)});
        item->setData(0, idRole, record->undoable() ? record->id : 0);
    }
    m_undoBackTo->setEnabled(selectedId() > 0);
}

qint64 HistoryWindow::selectedId() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(0, idRole).toLongLong();
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace parlomatic

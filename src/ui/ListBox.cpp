// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListBox.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace parlomatic {

namespace {

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {}

void ListBox::setEmptyHint(const QString& hint) {
    m_emptyHint = hint;
    viewport()->update();
}

bool ListBox::fitsItsPlace(const QListWidgetItem* item) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(item);
    option.text = item->text();
    option.features |= QStyleOptionViewItem::HasDisplay;
    // The style draws the text inside its text rectangle, less a margin on either side.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + 1;
    const QRect textPlace = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    return option.fontMetrics.horizontalAdvance(withoutTrailingBlanks(item->text())) <= textPlace.width() - 2 * margin;
}

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QListWidgetItem* item = itemAt(help->pos());
    if (item && !fitsItsPlace(item))
        QToolTip::showText(help->globalPos(), item->text(), viewport(), visualItemRect(item));
    else
        QToolTip::hideText();
    return true;
}

void ListBox::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (count() > 0 || m_emptyHint.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int margin = fontMetrics().averageCharWidth();
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_emptyHint);
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListBox.h"

#include "catalogue/LabelText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace parlomatic {

namespace {

// Draws and measures an item's text without the blanks that pad it, so that
// padding neither ends in an ellipsis nor widens the list to a scroll bar.
class UnpaddedItems : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = withoutPadding(option->text);
    }
};

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new UnpaddedItems(this));
}

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
    return option.fontMetrics.horizontalAdvance(withoutPadding(item->text())) <= textPlace.width() - 2 * margin;
}

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QListWidgetItem* item = itemAt(help->pos());
    QString tip = item ? item->toolTip() : QString();
    if (item && !fitsItsPlace(item))
        tip = tip.isEmpty() ? withoutPadding(item->text()) : withoutPadding(item->text()) + u'\n' + tip;
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport(), visualItemRect(item));
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

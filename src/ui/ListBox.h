// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QString>

namespace parlomatic {

// A list box that draws its items without the blanks that pad them, shows
// the full text of an item in a tooltip when the item is too narrow for it
// (with the item's own tooltip, if it has one), and that draws a hint in its empty area while it
// holds no item (the hint is no item: it cannot be selected or read back).
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    // The text drawn while the list is empty; an empty text draws nothing.
    void setEmptyHint(const QString& hint);

    // True when item's text, without its trailing blanks, fits the place the item has.
    bool fitsItsPlace(const QListWidgetItem* item) const;

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_emptyHint;
};

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace parlomatic {

// What a list box or a drop-down list holds, as the logic sees it: items in
// the order they were added (never sorted) and at most one selected item.
class ListModel {
public:
    const QStringList& items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    int selectedIndex() const { return m_selected; }

    // The selected item's text, or an empty text when nothing is selected.
    QString text() const { return m_selected < 0 ? QString() : m_items.at(m_selected); }

    void clear() {
        m_items.clear();
        m_selected = -1;
    }
    void addItem(const QString& item) { m_items.append(item); }

    // Selects the item at index; an index outside the list selects nothing.
    void select(int index) { m_selected = (index >= 0 && index < count()) ? index : -1; }

private:
    QStringList m_items;
    int m_selected = -1;
};

} // namespace parlomatic

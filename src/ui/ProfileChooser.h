// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/FoundProfile.h"

#include <QDialog>
#include <QList>

class QTreeWidget;

namespace parlomatic {

// A modal list of the profiles found: where each was found, its path and when
// it was last changed, in the order given, the first one selected. "Open" (or
// a double click) takes the selected profile, "Browse…" asks for the open-file
// dialog instead.
class ProfileChooser : public QDialog {
    Q_OBJECT

public:
    explicit ProfileChooser(const QList<FoundProfile>& profiles, QWidget* parent = nullptr);

    // The index of the selected profile, or -1 when none is selected.
    int selectedIndex() const;

private:
    QTreeWidget* m_list;
};

} // namespace parlomatic

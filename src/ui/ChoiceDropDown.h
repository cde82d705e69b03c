// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace parlomatic {

// A drop-down list whose entry is chosen only in its opened list (a click, or
// Enter there). On the closed drop-down the mouse wheel does nothing, the
// arrow, page and Home/End keys open the list, and typing does not choose;
// so nothing is chosen by accident.
class ChoiceDropDown : public QComboBox {
    Q_OBJECT

public:
    explicit ChoiceDropDown(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace parlomatic

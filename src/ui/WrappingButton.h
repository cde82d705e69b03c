// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace parlomatic {

// A push button whose caption wraps at blanks onto several centred lines, for
// buttons that are narrower than their caption but tall enough for the lines.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace parlomatic

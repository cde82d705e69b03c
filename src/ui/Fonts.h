// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace parlomatic {

// The fonts the windows use. Each names the font the windows were designed
// with first and then close relatives with similar widths, so that captions
// fit their controls on systems without the original fonts; only the families
// installed where the program runs are named. Call with a GUI application running.

// The standard dialog font of the controls (MS Sans Serif).
QFont dialogFont(qreal pointSize = 8.0);
// Arial, for the headings of the information window.
QFont arialFont(qreal pointSize, QFont::Weight weight = QFont::Normal);
// Times New Roman, for the name changer's results.
QFont timesFont(qreal pointSize);

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyItem.h"

#include <algorithm>

namespace parlomatic {

namespace {

// No key name is longer: a colon further on is part of the binding.
constexpr qsizetype keyNameColumnWidth = 30;

qsizetype colonOf(const QString& item) {
    return QStringView(item).first(std::min(keyNameColumnWidth, item.size())).indexOf(u':');
}

} // namespace

QString keyItem(const QString& keyName, const QString& column) {
    return keyName + QStringLiteral(": ") + column;
}

QString keyNameOfItem(const QString& item) {
    const qsizetype colon = colonOf(item);
    return colon < 0 ? QString() : item.left(colon);
}

QString bindingColumnOfItem(const QString& item) {
    const qsizetype colon = colonOf(item);
    return colon < 0 ? QString() : item.mid(colon + 2);
}

} // namespace parlomatic

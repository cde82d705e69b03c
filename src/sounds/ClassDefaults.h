// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

namespace parlomatic::sounds {

class Package;

// What a class's default properties say about object properties: for each
// property name (in lower case) the object reference of each array index it
// sets, and the class's superclass.
struct ClassDefaults {
    qint32 superRef = 0;
    QHash<QString, QHash<qint32, qint32>> objects;
};

// Reads the class stored in export exportIndex of package: the parts of its
// object, field, struct (with the script walked token by token), state and
// class, then its default properties. Throws PackageFault on damage.
ClassDefaults readClassDefaults(const Package& package, int exportIndex);

} // namespace parlomatic::sounds

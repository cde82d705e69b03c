// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sounds/ByteReader.h"

#include <vector>

namespace parlomatic::sounds {

class Package;

// One tagged property: its name, its type (the tag's low nibble), its array
// index and where its value lies in the package's bytes.
struct PropertyTag {
    enum Type : quint8 { Byte = 1, Int, Bool, Float, Object, Name, String, Class, Array, Struct };

    qint32 name = 0;
    quint8 type = 0;
    qint32 arrayIndex = 0;
    qint64 valueBegin = 0;
    qint64 valueSize = 0;
};

// Reads property tags from reader up to the tag None and returns them. Throws
// PackageFault on a name out of range, an unknown type or a value past the end.
std::vector<PropertyTag> readPropertyTags(const Package& package, ByteReader& reader);

// The index of the name None in package, or -1 when it has none.
qint32 noneNameIndex(const Package& package);

} // namespace parlomatic::sounds

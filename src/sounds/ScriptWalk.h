// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sounds/ByteReader.h"

namespace parlomatic::sounds {

// Steps over a struct's compiled script. scriptSize is the script's size in
// memory, where names take 4 bytes and object references a pointer's size (4,
// or 8 in packages saved by a 64-bit build; both are tried) while the file
// stores them as compact indexes, so the walk reads token by token until it
// has covered scriptSize bytes of memory. Throws PackageFault on an unknown token,
// a script that overshoots its size, or tokens nested deeper than the engine's
// compiler makes them. noneName is the index of the name None, which ends a
// table of labels.
void skipScript(ByteReader& reader, qint32 scriptSize, qint32 noneName);

} // namespace parlomatic::sounds

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/ClassDefaults.h"

#include "sounds/Package.h"
#include "sounds/PropertyTags.h"
#include "sounds/ScriptWalk.h"

namespace parlomatic::sounds {

namespace {

// The object flag of objects saved with a running state frame.
constexpr quint32 hasStackFlag = 0x02000000;

void skipStateFrame(ByteReader& reader) {
    const qint32 node = reader.compact();
    reader.compact(); // state node
    reader.u64();     // probe mask
    reader.u32();     // latent action
    if (node != 0)
        reader.compact(); // code offset
}

} // namespace

ClassDefaults readClassDefaults(const Package& package, int exportIndex) {
    const PackageExport& entry = package.exports().at(std::size_t(exportIndex));
    ByteReader reader = package.exportReader(exportIndex);
    if (entry.flags & hasStackFlag)
        skipStateFrame(reader);

    ClassDefaults defaults;
    // Field: superclass and next field.
    defaults.superRef = reader.compact();
    package.checkReference(defaults.superRef);
    reader.compact();
    // Struct: script text, children, friendly name, line, text position, script.
    reader.compact();
    reader.compact();
    package.name(reader.compact());
    reader.i32();
    reader.i32();
    skipScript(reader, reader.i32(), noneNameIndex(package));
    // State: probe mask, ignore mask, label table offset, state flags.
    reader.u64();
    reader.u64();
    reader.u16();
    reader.u32();
    // Class.
    if (package.version() <= 61)
        reader.u32();
    reader.u32(); // class flags
    reader.skip(16);
    const qint32 dependencies = reader.count(9, "dependency");
    for (qint32 i = 0; i < dependencies; ++i) {
        reader.compact();
        reader.u32();
        reader.u32();
    }
    const qint32 packageImports = reader.count(1, "package import");
    for (qint32 i = 0; i < packageImports; ++i)
        package.name(reader.compact());
    if (package.version() >= 62) {
        reader.compact(); // class within
        package.name(reader.compact());
    }

    for (const PropertyTag& tag : readPropertyTags(package, reader)) {
        if (tag.type != PropertyTag::Object)
            continue;
        ByteReader value(package.bytes(), tag.valueBegin, tag.valueBegin + tag.valueSize);
        const qint32 ref = value.compact();
        package.checkReference(ref);
        defaults.objects[package.name(tag.name).toLower()].insert(tag.arrayIndex, ref);
    }
    return defaults;
}

} // namespace parlomatic::sounds

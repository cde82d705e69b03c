// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/PropertyTags.h"

#include "sounds/Package.h"

#include <QCoreApplication>

namespace parlomatic::sounds {

namespace {

qint64 valueSize(quint8 sizeCode, ByteReader& reader) {
    switch (sizeCode) {
    case 0:
        return 1;
    case 1:
        return 2;
    case 2:
        return 4;
    case 3:
        return 12;
    case 4:
        return 16;
    case 5:
        return reader.u8();
    case 6:
        return reader.u16();
    default:
        return reader.u32();
    }
}

qint32 arrayIndex(ByteReader& reader) {
    const quint8 first = reader.u8();
    if (first < 0x80)
        return first;
    if ((first & 0xC0) == 0x80)
        return ((first & 0x7F) << 8) | reader.u8();
    // Four bytes, the highest first.
    qint32 index = first & 0x3F;
    for (int i = 0; i < 3; ++i)
        index = (index << 8) | reader.u8();
    return index;
}

} // namespace

qint32 noneNameIndex(const Package& package) {
    return qint32(package.names().indexOf(QStringLiteral("None"), 0));
}

std::vector<PropertyTag> readPropertyTags(const Package& package, ByteReader& reader) {
    std::vector<PropertyTag> tags;
    for (;;) {
        PropertyTag tag;
        tag.name = reader.compact();
        if (package.name(tag.name).compare(QLatin1String("None"), Qt::CaseInsensitive) == 0)
            return tags;
        const quint8 info = reader.u8();
        tag.type = info & 0x0F;
        if (tag.type == 0)
            fail(QCoreApplication::translate("PropertyTags", "a property of no type"));
        if (tag.type == PropertyTag::Struct)
            package.name(reader.compact());
        const qint64 size = valueSize((info >> 4) & 0x07, reader);
        // A bool keeps its value in the array bit and has no value bytes.
        if (tag.type == PropertyTag::Bool) {
            tags.push_back(tag);
            continue;
        }
        if (info & 0x80)
            tag.arrayIndex = arrayIndex(reader);
        tag.valueBegin = reader.position();
        tag.valueSize = size;
        reader.skip(size);
        tags.push_back(tag);
    }
}

} // namespace parlomatic::sounds

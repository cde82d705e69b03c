// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PackageWriter.h"

#include <QtEndian>

namespace parlomatic::test {

namespace {

void put16(QByteArray& out, quint16 value) {
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, quint16(value & 0xFFFF));
    put16(out, quint16(value >> 16));
}

} // namespace

QByteArray compactIndex(qint32 value) {
    QByteArray out;
    quint32 magnitude = value < 0 ? quint32(-qint64(value)) : quint32(value);
    quint8 first = quint8((value < 0 ? 0x80 : 0) | (magnitude & 0x3F));
    magnitude >>= 6;
    if (magnitude)
        first |= 0x40;
    out.append(char(first));
    while (magnitude) {
        quint8 next = magnitude & 0x7F;
        magnitude >>= 7;
        if (magnitude)
            next |= 0x80;
        out.append(char(next));
    }
    return out;
}

QByteArray waveFile(int count, quint8 first, bool extraChunk) {
    QByteArray body("WAVE");
    body.append("fmt ");
    put32(body, 16);
    put16(body, 1);     // PCM
    put16(body, 1);     // mono
    put32(body, 11025); // samples per second
    put32(body, 11025); // bytes per second
    put16(body, 1);     // block align
    put16(body, 8);     // bits per sample
    if (extraChunk) {
        body.append("LIST");
        put32(body, 5);
        body.append("INFOx").append('\0'); // odd size, padded
    }
    body.append("data");
    put32(body, quint32(count));
    for (int i = 0; i < count; ++i)
        body.append(char(quint8(first + i)));
    if (count & 1)
        body.append('\0');
    QByteArray file("RIFF");
    put32(file, quint32(body.size()));
    return file + body;
}

ScriptWriter& ScriptWriter::token(quint8 value) {
    m_bytes.append(char(value));
    m_memorySize += 1;
    return *this;
}

ScriptWriter& ScriptWriter::object(qint32 ref) {
    m_bytes.append(compactIndex(ref));
    m_memorySize += m_pointerSize;
    return *this;
}

ScriptWriter& ScriptWriter::name(qint32 index) {
    m_bytes.append(compactIndex(index));
    m_memorySize += 4;
    return *this;
}

ScriptWriter& ScriptWriter::u16(quint16 value) {
    put16(m_bytes, value);
    m_memorySize += 2;
    return *this;
}

ScriptWriter& ScriptWriter::i32(qint32 value) {
    put32(m_bytes, quint32(value));
    m_memorySize += 4;
    return *this;
}

ScriptWriter& ScriptWriter::text(const QByteArray& value) {
    m_bytes.append(value).append('\0');
    m_memorySize += qint32(value.size() + 1);
    return *this;
}

qint32 PackageWriter::name(const QString& text) {
    const qsizetype found = m_names.indexOf(text);
    if (found >= 0)
        return qint32(found);
    m_names.append(text);
    return qint32(m_names.size() - 1);
}

qint32 PackageWriter::addImport(const QString& classPackage, const QString& className, qint32 outer,
                                const QString& objectName) {
    m_imports.push_back({name(classPackage), name(className), outer, name(objectName)});
    return -qint32(m_imports.size());
}

qint32 PackageWriter::importPackage(const QString& packageName, qint32 outer) {
    return addImport(QStringLiteral("Core"), QStringLiteral("Package"), outer, packageName);
}

qint32 PackageWriter::addExport(qint32 classRef, qint32 superRef, qint32 outer, const QString& objectName,
                                const QByteArray& data, quint32 flags) {
    m_exports.push_back({classRef, superRef, outer, name(objectName), flags, data});
    return qint32(m_exports.size());
}

void PackageWriter::setData(qint32 exportRef, const QByteArray& data) {
    m_exports.at(std::size_t(exportRef - 1)).data = data;
}

qint32 PackageWriter::addGroup(const QString& name, qint32 outer) {
    if (m_packageClass == 0)
        m_packageClass = addImport(QStringLiteral("Core"), QStringLiteral("Class"),
                                   importPackage(QStringLiteral("Core")), QStringLiteral("Package"));
    return addExport(m_packageClass, 0, outer, name, noneTag());
}

QByteArray PackageWriter::objectTag(const QString& property, int arrayIndex, qint32 ref) {
    const QByteArray value = compactIndex(ref);
    QByteArray out = compactIndex(name(property));
    // Type 5 (object), size code 5 (a byte with the size follows), array flag when an index follows.
    out.append(char(0x05 | 0x50 | (arrayIndex > 0 ? 0x80 : 0)));
    out.append(char(value.size()));
    if (arrayIndex > 16383) {
        for (int shift : {24, 16, 8, 0})
            out.append(char(((arrayIndex >> shift) & 0xFF) | (shift == 24 ? 0xC0 : 0)));
    } else if (arrayIndex >= 128) {
        out.append(char(0x80 | (arrayIndex >> 8))).append(char(arrayIndex & 0xFF));
    } else if (arrayIndex > 0) {
        out.append(char(arrayIndex));
    }
    return out + value;
}

QByteArray PackageWriter::intTag(const QString& property, qint32 value) {
    QByteArray out = compactIndex(name(property));
    out.append(char(0x02 | 0x20)); // int, 4 bytes
    put32(out, quint32(value));
    return out;
}

QByteArray PackageWriter::boolTag(const QString& property, bool value) {
    // As the engine writes it: the value in the array bit, a size byte of 0 and no value.
    return compactIndex(name(property)).append(char(0x53 | (value ? 0x80 : 0))).append('\0');
}

QByteArray PackageWriter::noneTag() {
    return compactIndex(name(QStringLiteral("None")));
}

QByteArray PackageWriter::soundData(const QString& format, const QByteArray& file) {
    QByteArray out = noneTag() + compactIndex(name(format));
    const QByteArray size = compactIndex(qint32(file.size()));
    if (m_version > 61)
        put32(out, 0); // the skip offset; the writer's caller may place the data anywhere
    return out + size + file;
}

QByteArray PackageWriter::classData(qint32 superRef, const ScriptWriter& script, const QByteArray& defaults) {
    QByteArray out = compactIndex(superRef) + compactIndex(0); // field: super, next
    out += compactIndex(0) + compactIndex(0) + compactIndex(name(QStringLiteral("None")));
    put32(out, 1); // line
    put32(out, 0); // text position
    put32(out, quint32(script.memorySize()));
    out += script.bytes();
    put32(out, 0); // probe mask
    put32(out, 0);
    put32(out, 0); // ignore mask
    put32(out, 0);
    put16(out, 0xFFFF); // label table offset
    put32(out, 0);      // state flags
    if (m_version <= 61)
        put32(out, 0);
    put32(out, 0x00000001); // class flags
    out += QByteArray(16, '\x11');
    out += compactIndex(1); // one dependency
    out += compactIndex(superRef);
    put32(out, 0);
    put32(out, 0x12345678);
    out += compactIndex(1) + compactIndex(name(QStringLiteral("Core"))); // package imports
    if (m_version >= 62)
        out += compactIndex(0) + compactIndex(name(QStringLiteral("System")));
    return out + defaults;
}

QByteArray PackageWriter::bytes() const {
    const int headerSize = 36 + (m_version < 68 ? 8 : 16 + 4 + 8);
    // As the engine lays a package out: names, the objects' data, imports, exports.
    QByteArray names;
    for (const QString& text : m_names) {
        const QByteArray latin = text.toLatin1();
        if (m_version >= 64)
            names += compactIndex(qint32(latin.size() + 1));
        names += latin;
        names.append('\0');
        put32(names, 0x00070010);
    }
    const qint32 nameOffset = headerSize;
    QByteArray data;
    std::vector<qint32> offsets;
    for (const Export& entry : m_exports) {
        offsets.push_back(nameOffset + qint32(names.size() + data.size()));
        data += entry.data;
    }

    QByteArray imports;
    for (const Import& entry : m_imports) {
        imports += compactIndex(entry.classPackage) + compactIndex(entry.className);
        put32(imports, quint32(entry.outer));
        imports += compactIndex(entry.objectName);
    }
    QByteArray exports;
    for (std::size_t i = 0; i < m_exports.size(); ++i) {
        const Export& entry = m_exports[i];
        exports += compactIndex(entry.classRef) + compactIndex(entry.superRef);
        put32(exports, quint32(entry.outer));
        exports += compactIndex(entry.objectName);
        put32(exports, entry.flags);
        exports += compactIndex(qint32(entry.data.size()));
        if (!entry.data.isEmpty())
            exports += compactIndex(offsets[i]);
    }

    const qint32 importOffset = nameOffset + qint32(names.size() + data.size());
    const qint32 exportOffset = importOffset + qint32(imports.size());
    QByteArray header;
    put32(header, 0x9E2A83C1);
    put16(header, m_version);
    put16(header, 0); // licensee
    put32(header, 0x00000001);
    put32(header, quint32(m_names.size()));
    put32(header, quint32(nameOffset));
    put32(header, quint32(m_exports.size()));
    put32(header, quint32(exportOffset));
    put32(header, quint32(m_imports.size()));
    put32(header, quint32(importOffset));
    if (m_version < 68) {
        put32(header, 0); // heritage count
        put32(header, 0); // heritage offset
    } else {
        header += QByteArray(16, '\x42'); // GUID
        put32(header, 1);                 // one generation
        put32(header, quint32(m_exports.size()));
        put32(header, quint32(m_names.size()));
    }
    return header + names + data + imports + exports;
}

} // namespace parlomatic::test

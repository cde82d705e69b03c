// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace parlomatic::test {

// The engine's compact index of value.
QByteArray compactIndex(qint32 value);

// A RIFF WAVE file of count 8-bit mono samples (at 11025 Hz) rising from
// first; with extraChunk a "LIST" chunk of odd size comes before the samples.
QByteArray waveFile(int count, quint8 first, bool extraChunk = false);

// Script code for a class, counting the size it takes in memory (names 4
// bytes, object references pointerSize bytes) beside the bytes it takes in the file.
class ScriptWriter {
public:
    explicit ScriptWriter(int pointerSize = 4) : m_pointerSize(pointerSize) {}

    ScriptWriter& token(quint8 value);
    ScriptWriter& object(qint32 ref);
    ScriptWriter& name(qint32 index);
    ScriptWriter& u16(quint16 value);
    ScriptWriter& i32(qint32 value);
    ScriptWriter& text(const QByteArray& value);

    const QByteArray& bytes() const { return m_bytes; }
    qint32 memorySize() const { return m_memorySize; }

private:
    int m_pointerSize;
    QByteArray m_bytes;
    qint32 m_memorySize = 0;
};

// Writes an engine package of a given version the way the game lays one out:
// header, names, imports and exports, each export's data. Built for tests: it
// writes what it is told, so damaged packages are easy to make from its output.
class PackageWriter {
public:
    explicit PackageWriter(quint16 version) : m_version(version) {}

    quint16 version() const { return m_version; }
    // The index of name, added on first use.
    qint32 name(const QString& text);
    // A reference to a new import (negative).
    qint32 addImport(const QString& classPackage, const QString& className, qint32 outer, const QString& objectName);
    // A reference to a new import of a whole package or of a group in one.
    qint32 importPackage(const QString& packageName, qint32 outer = 0);
    // A reference to a new export (positive) whose data follows later (setData) or is data.
    qint32 addExport(qint32 classRef, qint32 superRef, qint32 outer, const QString& objectName,
                     const QByteArray& data = {}, quint32 flags = 0x00070004);
    void setData(qint32 exportRef, const QByteArray& data);
    // A reference to a new group (an export of class Core.Package) inside outer.
    qint32 addGroup(const QString& name, qint32 outer = 0);

    // Property tags.
    QByteArray objectTag(const QString& property, int arrayIndex, qint32 ref);
    QByteArray intTag(const QString& property, qint32 value);
    QByteArray boolTag(const QString& property, bool value);
    QByteArray noneTag();

    // The data of a Sound object: no properties, then format and file bytes.
    QByteArray soundData(const QString& format, const QByteArray& file);
    // The data of a Music object (the same layout as a sound's).
    QByteArray musicData(const QString& format, const QByteArray& file) { return soundData(format, file); }
    // The data of a class whose superclass is superRef, with script before its default properties.
    QByteArray classData(qint32 superRef, const ScriptWriter& script, const QByteArray& defaults);

    QByteArray bytes() const;

private:
    struct Import {
        qint32 classPackage, className, outer, objectName;
    };
    struct Export {
        qint32 classRef, superRef, outer, objectName;
        quint32 flags;
        QByteArray data;
    };

    quint16 m_version;
    qint32 m_packageClass = 0;
    QStringList m_names;
    std::vector<Import> m_imports;
    std::vector<Export> m_exports;
};

} // namespace parlomatic::test

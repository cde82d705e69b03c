// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sounds/ByteReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace parlomatic::sounds {

// An object the package takes from another package.
struct PackageImport {
    qint32 classPackage = 0;
    qint32 className = 0;
    qint32 outer = 0;
    qint32 objectName = 0;
};

// An object the package holds; its data is serialSize bytes at serialOffset.
struct PackageExport {
    qint32 classRef = 0;
    qint32 superRef = 0;
    qint32 outer = 0;
    qint32 objectName = 0;
    quint32 flags = 0;
    qint32 serialSize = 0;
    qint32 serialOffset = 0;
};

// An engine package (.u, .uax, .umx, ...) read whole: its header and its
// tables of names, imports and exports, every entry checked against the file.
// An object reference is 0 for none, n > 0 for export n-1, n < 0 for import -n-1.
class Package {
public:
    // Reads the file at path. Returns false with a one-line reason in error
    // ("<file>: <what is wrong>") when the file cannot be read or is damaged.
    bool open(const QString& path, QString& error);
    // The same for bytes already in memory; name stands for the file in errors.
    bool read(const QByteArray& bytes, const QString& name, QString& error);

    quint16 version() const { return m_version; }
    const QString& fileName() const { return m_fileName; }
    // The package's own name: the file name without its extension.
    QString packageName() const;
    const QByteArray& bytes() const { return m_bytes; }
    const QStringList& names() const { return m_names; }
    const std::vector<PackageExport>& exports() const { return m_exports; }

    // The name at index; throws PackageFault when index is not in the table.
    const QString& name(qint32 index) const;
    // Throws PackageFault when ref is neither 0 nor an entry of the tables.
    void checkReference(qint32 ref) const;
    // The object name of ref (ref must not be 0).
    QString objectName(qint32 ref) const;
    // The class name of ref: an import's class, or the name of an export's class ("Class" when none).
    QString className(qint32 ref) const;
    // The names from the outermost object down to ref itself; an import's list
    // starts with its package. Throws PackageFault on a cycle of outers.
    QStringList path(qint32 ref) const;
    // The export of the top-level class called className (any case), or -1.
    int findClass(const QString& className) const;
    // The export whose path below the package is path (any case) and whose class is className, or -1.
    int findExport(const QStringList& path, const QString& className) const;
    // A reader over the data of export index.
    ByteReader exportReader(int index) const;

private:
    void readTables();

    QByteArray m_bytes;
    QString m_fileName;
    quint16 m_version = 0;
    QStringList m_names;
    std::vector<PackageImport> m_imports;
    std::vector<PackageExport> m_exports;
};

} // namespace parlomatic::sounds

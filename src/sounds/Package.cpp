// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/Package.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace parlomatic::sounds {

namespace {

constexpr quint32 packageSignature = 0x9E2A83C1;
// Larger files are no package a voicepack needs; refusing them bounds the memory a read takes.
constexpr qint64 largestPackage = qint64(128) * 1024 * 1024;

// Places where a count of entries of minSize bytes each, starting at offset, fits in the file.
void checkTable(const ByteReader& file, qint32 count, qint32 offset, qint64 minSize, const char* what) {
    if (count < 0 || offset < 0 || offset > file.remaining() || count * minSize > file.remaining() - offset)
        //: %1 is a table of the package format: name, import or export
        fail(QCoreApplication::translate("Package", "%1 table past the end of the file").arg(QLatin1String(what)));
}

} // namespace

bool Package::open(const QString& path, QString& error) {
    QFile file(path);
    const QString shownName = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        //: %1 is a package file, %2 why it cannot be read
        error = QCoreApplication::translate("Package", "%1: cannot be read (%2)").arg(shownName, file.errorString());
        return false;
    }
    if (file.size() > largestPackage) {
        //: %1 is a package file
        error = QCoreApplication::translate("Package", "%1: too large for a package").arg(shownName);
        return false;
    }
    return read(file.readAll(), shownName, error);
}

bool Package::read(const QByteArray& bytes, const QString& name, QString& error) {
    m_bytes = bytes;
    m_fileName = name;
    m_names.clear();
    m_imports.clear();
    m_exports.clear();
    try {
        readTables();
        return true;
    } catch (const PackageFault& fault) {
        error = QStringLiteral("%1: %2").arg(name, fault.message);
        m_names.clear();
        m_imports.clear();
        m_exports.clear();
        return false;
    }
}

QString Package::packageName() const {
    return QFileInfo(m_fileName).completeBaseName();
}

void Package::readTables() {
    ByteReader file(m_bytes);
    if (file.remaining() < 36 || file.u32() != packageSignature)
        fail(QCoreApplication::translate("Package", "not a package"));
    m_version = file.u16();
    if (m_version < 61 || m_version > 69)
        fail(QCoreApplication::translate("Package", "package version %1 is not supported").arg(m_version));
    file.u16(); // licensee
    file.u32(); // package flags
    const qint32 nameCount = file.i32();
    const qint32 nameOffset = file.i32();
    const qint32 exportCount = file.i32();
    const qint32 exportOffset = file.i32();
    const qint32 importCount = file.i32();
    const qint32 importOffset = file.i32();
    checkTable(ByteReader(m_bytes), nameCount, nameOffset, 5, "name");
    checkTable(ByteReader(m_bytes), importCount, importOffset, 8, "import");
    checkTable(ByteReader(m_bytes), exportCount, exportOffset, 10, "export");

    file.seek(nameOffset);
    m_names.reserve(nameCount);
    for (qint32 i = 0; i < nameCount; ++i) {
        if (m_version < 64) {
            m_names.append(QString::fromLatin1(file.terminated()));
        } else {
            const qint32 length = file.compact();
            if (length <= 0 || length > file.remaining())
                fail(QCoreApplication::translate("Package", "name %1 has a length past the end of the file").arg(i));
            QByteArray text = file.bytes(length);
            text.chop(1); // the NUL the length counts
            m_names.append(QString::fromLatin1(text));
        }
        file.u32(); // object flags
    }

    file.seek(importOffset);
    m_imports.reserve(importCount);
    for (qint32 i = 0; i < importCount; ++i) {
        PackageImport entry;
        entry.classPackage = file.compact();
        entry.className = file.compact();
        entry.outer = file.i32();
        entry.objectName = file.compact();
        name(entry.classPackage);
        name(entry.className);
        name(entry.objectName);
        m_imports.push_back(entry);
    }

    file.seek(exportOffset);
    m_exports.reserve(exportCount);
    for (qint32 i = 0; i < exportCount; ++i) {
        PackageExport entry;
        entry.classRef = file.compact();
        entry.superRef = file.compact();
        entry.outer = file.i32();
        entry.objectName = file.compact();
        entry.flags = file.u32();
        entry.serialSize = file.compact();
        if (entry.serialSize > 0)
            entry.serialOffset = file.compact();
        name(entry.objectName);
        if (entry.serialSize < 0 || entry.serialOffset < 0 || entry.serialOffset > m_bytes.size() ||
            entry.serialSize > m_bytes.size() - entry.serialOffset)
            fail(QCoreApplication::translate("Package", "the data of export %1 lies past the end of the file").arg(i));
        m_exports.push_back(entry);
    }
    for (const PackageImport& entry : m_imports)
        checkReference(entry.outer);
    for (const PackageExport& entry : m_exports) {
        checkReference(entry.classRef);
        checkReference(entry.superRef);
        checkReference(entry.outer);
    }
}

const QString& Package::name(qint32 index) const {
    if (index < 0 || index >= m_names.size())
        fail(QCoreApplication::translate("Package", "name index %1 out of range").arg(index));
    return m_names[index];
}

void Package::checkReference(qint32 ref) const {
    if (ref > 0 ? ref > qint64(m_exports.size()) : -qint64(ref) > qint64(m_imports.size()))
        fail(QCoreApplication::translate("Package", "object reference %1 out of range").arg(ref));
}

QString Package::objectName(qint32 ref) const {
    checkReference(ref);
    if (ref == 0)
        fail(QCoreApplication::translate("Package", "a reference to no object"));
    return ref > 0 ? name(m_exports[ref - 1].objectName) : name(m_imports[-ref - 1].objectName);
}

QString Package::className(qint32 ref) const {
    checkReference(ref);
    if (ref < 0)
        return name(m_imports[-ref - 1].className);
    if (ref == 0)
        fail(QCoreApplication::translate("Package", "a reference to no object"));
    const qint32 classRef = m_exports[ref - 1].classRef;
    return classRef == 0 ? QStringLiteral("Class") : objectName(classRef);
}

QStringList Package::path(qint32 ref) const {
    QStringList names;
    // Each step goes one outer up; more steps than objects means a cycle.
    const qsizetype limit = qsizetype(m_imports.size() + m_exports.size());
    for (qint32 current = ref; current != 0;) {
        if (names.size() > limit)
            //: %1 is an object of the package
            fail(QCoreApplication::translate("Package", "a cycle of outers at %1").arg(objectName(ref)));
        names.prepend(objectName(current));
        current = current > 0 ? m_exports[current - 1].outer : m_imports[-current - 1].outer;
        checkReference(current);
    }
    return names;
}

int Package::findClass(const QString& className) const {
    for (std::size_t i = 0; i < m_exports.size(); ++i) {
        const PackageExport& entry = m_exports[i];
        if (entry.classRef == 0 && entry.outer == 0 &&
            name(entry.objectName).compare(className, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int Package::findExport(const QStringList& path, const QString& className) const {
    if (path.isEmpty())
        return -1;
    for (std::size_t i = 0; i < m_exports.size(); ++i) {
        const qint32 ref = qint32(i + 1);
        if (name(m_exports[i].objectName).compare(path.last(), Qt::CaseInsensitive) != 0 ||
            this->className(ref).compare(className, Qt::CaseInsensitive) != 0)
            continue;
        const QStringList found = this->path(ref);
        if (found.size() == path.size() &&
            std::equal(found.begin(), found.end(), path.begin(),
                       [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }))
            return int(i);
    }
    return -1;
}

ByteReader Package::exportReader(int index) const {
    const PackageExport& entry = m_exports.at(std::size_t(index));
    return ByteReader(m_bytes, entry.serialOffset, qint64(entry.serialOffset) + entry.serialSize);
}

} // namespace parlomatic::sounds

// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"
#include "profile/ProfileIndex.h"
#include "profile/Windows1252.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace parlomatic;

namespace {

constexpr quint32 seed = 20240607;
#ifdef Q_OS_WIN
// Every read opens the file, which takes a thousand times longer under Wine.
constexpr int profileCount = 40;
#else
constexpr int profileCount = 300;
#endif

const QStringList sectionNames{u"Engine.Input"_s, u"DefaultPlayer"_s, u"S"_s, u"a.b"_s};
const QStringList keyNames{u"F5"_s, u"Voice"_s, u"Name"_s, u"LeftBracket"_s, u"O"_s, u"x"_s, u"key 1"_s};
const QString missing = u"<missing>"_s;

// Random profiles in the shapes real files and hand edits take: duplicate and
// differently cased sections and keys, comments, blank lines, odd spacing,
// lines before the first section, an optional byte-order mark, an optional
// unterminated last line; one kind of line end per file.
class ProfileGenerator {
public:
    explicit ProfileGenerator(QRandomGenerator& random) : m_random(random) {}

    QByteArray lineEnd = "\r\n";

    QByteArray profile() {
        lineEnd = chance(50) ? "\r\n" : "\n";
        QByteArray bytes = chance(10) ? "\xEF\xBB\xBF" : "";
        const int preamble = bounded(3);
        for (int i = 0; i < preamble; ++i)
            bytes += bodyLine() + lineEnd;
        const int sections = bounded(5);
        for (int s = 0; s < sections; ++s) {
            bytes += pick({"", " ", "\t"}) + '[' + pick({"", " "}) + name(sectionNames) + pick({"", " ", "\t"}) + ']' +
                     pick({"", "", " ; trailing"}) + lineEnd;
            const int lines = bounded(7);
            for (int i = 0; i < lines; ++i)
                bytes += bodyLine() + lineEnd;
        }
        if (!bytes.isEmpty() && chance(20))
            bytes.chop(lineEnd.size());
        return bytes;
    }

    // A value that reads back as written: no blanks or quotes at its ends.
    QString cleanValue() {
        if (chance(15))
            return QString();
        static const QString inner = u"ab Z09=;[]\"'\u00E4\u20AC\u0192-"_s;
        static const QString ends = u"ab Z09=;[]\u00E4\u20AC\u0192-"_s.remove(u' ');
        const int length = bounded(10);
        QString value;
        for (int i = 0; i < length; ++i) {
            const QString& alphabet = i == 0 || i == length - 1 ? ends : inner;
            value += alphabet.at(bounded(int(alphabet.size())));
        }
        return value;
    }

    QString casedName(const QStringList& names) { return varyCase(names.at(bounded(int(names.size())))); }

    bool chance(int percent) { return bounded(100) < percent; }
    int bounded(int limit) { return int(m_random.bounded(limit)); }

private:
    QByteArray bodyLine() {
        switch (bounded(10)) {
        case 0:
            return "";
        case 1:
            return pick({" ", "\t", " \t "});
        case 2:
            return pick({"", " ", "\t"}) + ';' + name(keyNames) + '=' + rawValue();
        case 3:
            return name(keyNames);
        default:
            return pick({"", "", " ", "\t"}) + name(keyNames) + pick({"", "", " ", "\t"}) + '=' +
                   pick({"", "", " ", "\t"}) + rawValue() + pick({"", "", " ", "\t"});
        }
    }

    QByteArray rawValue() {
        static const QByteArray alphabet = "abc XYZ 019=;[]\"'\xE4\x80\x83-";
        QByteArray value;
        const int length = bounded(12);
        for (int i = 0; i < length; ++i)
            value += alphabet.at(bounded(int(alphabet.size())));
        return value;
    }

    QByteArray name(const QStringList& names) { return casedName(names).toLatin1(); }

    QString varyCase(QString text) {
        for (QChar& c : text) {
            if (chance(30))
                c = c.isUpper() ? c.toLower() : c.toUpper();
        }
        return text;
    }

    QByteArray pick(std::initializer_list<const char*> choices) {
        return QByteArray(*(choices.begin() + bounded(int(choices.size()))));
    }

    QRandomGenerator& m_random;
};

// The lines of a file, each with its line end (CR LF, LF or CR).
QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            i += crlf ? 1 : 0;
            lines.append(bytes.mid(begin, i + 1 - begin));
            begin = i + 1;
        }
    }
    if (begin < bytes.size())
        lines.append(bytes.mid(begin));
    return lines;
}

QByteArray withoutBlanks(QByteArray text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v'; };
    while (!text.isEmpty() && blank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text;
}

struct PlainEntry {
    QByteArray section;
    QByteArray key;
    QByteArray storedValue;
};

// The entries a reader sees, found the plainest way: line by line, the first
// section of each name and in it the first entry of each key, names in any ASCII case.
QList<PlainEntry> plainScan(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<PlainEntry> entries;
    QSet<QByteArray> sectionsSeen;
    QSet<QByteArray> keysSeen;
    QByteArray section;
    bool visible = false;
    for (QByteArray line : linesOf(bytes)) {
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        const QByteArray text = withoutBlanks(line);
        if (text.startsWith('[')) {
            const QByteArray name = text.mid(1);
            section = withoutBlanks(name.left(name.contains(']') ? name.indexOf(']') : name.size()));
            visible = !sectionsSeen.contains(section.toLower());
            sectionsSeen.insert(section.toLower());
            keysSeen.clear();
        } else if (visible && !text.startsWith(';') && text.contains('=')) {
            const QByteArray key = withoutBlanks(text.left(text.indexOf('=')));
            if (!keysSeen.contains(key.toLower()))
                entries.append({section, key, withoutBlanks(text.mid(text.indexOf('=') + 1))});
            keysSeen.insert(key.toLower());
        }
    }
    return entries;
}

// The value a read gives for what the file stores: one pair of outer quotes removed.
QByteArray readValueOf(const QByteArray& stored) {
    const bool quoted =
        stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') && stored.back() == stored.front();
    return quoted ? stored.mid(1, stored.size() - 2) : stored;
}

// Why the index of bytes answers otherwise than a plain scan; empty when it
// does not. The index reads the file only as far as each question needs, so
// it is asked in both orders: the lookups first, and the list first.
QString indexDifference(const QByteArray& bytes, const QList<QPair<QByteArray, QByteArray>>& lookups) {
    const QList<PlainEntry> plain = plainScan(bytes);
    ProfileIndex index(bytes);
    ProfileIndex listedFirst(bytes);
    listedFirst.entries();
    for (const auto& [section, key] : lookups) {
        std::optional<QByteArray> expected;
        for (const PlainEntry& entry : plain) {
            if (entry.section.toLower() == section.toLower() && entry.key.toLower() == key.toLower()) {
                expected = readValueOf(entry.storedValue);
                break;
            }
        }
        for (ProfileIndex* asked : {&index, &listedFirst}) {
            const std::optional<QByteArrayView> indexed = asked->value(section, key);
            if (indexed.has_value() != expected.has_value() || (indexed && indexed->toByteArray() != *expected))
                return u"the index reads [%1] %2 otherwise"_s.arg(QString::fromLatin1(section),
                                                                  QString::fromLatin1(key));
        }
    }
    const std::vector<ProfileIndex::Entry> listed = index.entries();
    if (listed.size() != std::size_t(plain.size()))
        return u"the index lists %1 entries, not %2"_s.arg(listed.size()).arg(plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const ProfileIndex::Entry& entry = listed[std::size_t(i)];
        if (entry.section.toByteArray() != plain[i].section || entry.key.toByteArray() != plain[i].key ||
            entry.storedValue.toByteArray() != plain[i].storedValue)
            return u"entry %1 is listed otherwise"_s.arg(i);
    }
    return QString();
}

using Reads = QMap<QPair<int, int>, QString>;

Reads readAll(const ProfileFile& profile) {
    Reads reads;
    for (int s = 0; s < sectionNames.size(); ++s) {
        for (int k = 0; k < keyNames.size(); ++k)
            reads.insert({s, k}, profile.ReadEntry(sectionNames[s], keyNames[k], missing, 65536));
    }
    return reads;
}

// Why after is not before with only the line of the entry changed or one
// entry (with its section) added; empty when it is.
QString edit(const QByteArray& before, const QByteArray& after, bool existed, const QByteArray& section,
             const QByteArray& key, const QByteArray& value, const QByteArray& lineEnd) {
    const QList<QByteArray> oldLines = linesOf(before);
    const QList<QByteArray> newLines = linesOf(after);
    const QByteArray entry = key + '=' + value;
    const auto same = [&](qsizetype i) {
        const bool lastUnterminated =
            i == oldLines.size() - 1 && !oldLines[i].endsWith('\n') && !oldLines[i].endsWith('\r');
        return newLines[i] == oldLines[i] || (lastUnterminated && newLines[i] == oldLines[i] + lineEnd);
    };
    if (existed) {
        if (newLines.size() != oldLines.size())
            return u"the number of lines changed"_s;
        int changed = 0;
        for (qsizetype i = 0; i < oldLines.size(); ++i) {
            if (same(i))
                continue;
            ++changed;
            const QByteArray& old = oldLines[i];
            const qsizetype equals = old.indexOf('=');
            const QByteArray oldEnd = old.endsWith("\r\n") ? QByteArray("\r\n")
                                      : old.endsWith('\n') ? QByteArray("\n")
                                      : old.endsWith('\r') ? QByteArray("\r")
                                                           : lineEnd;
            if (equals < 0 || newLines[i] != old.left(equals + 1) + value + oldEnd)
                return u"line %1 changed beyond its value"_s.arg(i + 1);
        }
        return changed <= 1 ? QString() : u"%1 lines changed"_s.arg(changed);
    }
    qsizetype k = 0;
    while (k < oldLines.size() && k < newLines.size() && same(k))
        ++k;
    const bool appended = k == oldLines.size() && newLines.size() == oldLines.size() + 2;
    const QList<QByteArray> added = appended ? QList<QByteArray>{'[' + section + ']' + lineEnd, entry + lineEnd}
                                             : QList<QByteArray>{entry + lineEnd};
    if (newLines.size() != oldLines.size() + added.size())
        return u"%1 lines added"_s.arg(newLines.size() - oldLines.size());
    if (newLines.mid(k, added.size()) != added)
        return u"unexpected lines added at line %1"_s.arg(k + 1);
    if (newLines.mid(k + added.size()) != oldLines.mid(k))
        return u"lines after the insertion changed"_s;
    return QString();
}

} // namespace

class ProfilePropertyTest : public QObject {
    Q_OBJECT

private slots:
    void randomWrites();
    void indexReadsAsPlainScan();
};

// After any write: the entry reads back, every other entry reads as before,
// and the bytes differ only in the entry's line or by the one line added.
void ProfilePropertyTest::randomWrites() {
    QRandomGenerator random(seed);
    ProfileGenerator generate(random);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"kvuser.ini"_s);
    const ProfileFile profile(path);

    for (int round = 0; round < profileCount; ++round) {
        const QByteArray initial = generate.profile();
        QVERIFY(test::putFile(path, initial));
        const QByteArray lineEnd = initial.contains('\n') || initial.contains('\r') ? generate.lineEnd : "\r\n";
        const int writes = 1 + generate.bounded(4);
        for (int w = 0; w < writes; ++w) {
            const QByteArray before = test::fileBytes(path).value_or("<missing>");
            const Reads readsBefore = readAll(profile);
            const int s = generate.bounded(int(sectionNames.size()));
            const int k = generate.bounded(int(keyNames.size()));
            const QString padding = generate.chance(20) ? u"  "_s : QString();
            const QString section = padding + generate.casedName({sectionNames[s]}) + padding;
            const QString key = padding + generate.casedName({keyNames[k]}) + padding;
            const QString value = generate.cleanValue();

            const QByteArray context =
                "round " + QByteArray::number(round) + " write " + QByteArray::number(w) + ", file:\n" + before;
            // The index of a read scope answers as a scan of the file does, and a write within the scope is seen.
            const ProfileFile::ReadScope scope(profile);
            QVERIFY2(readAll(profile) == readsBefore, context.constData());
            const Result result = profile.WriteEntry(section, key, value);
            QVERIFY2(result.ok(), context.constData());

            Reads expected = readsBefore;
            expected[{s, k}] = value;
            QVERIFY2(readAll(profile) == expected, context.constData());
            QVERIFY2(readAll(ProfileFile(path)) == expected, context.constData());
            const QString why =
                edit(before, test::fileBytes(path).value_or("<missing>"), readsBefore[{s, k}] != missing,
                     section.trimmed().toLatin1(), key.trimmed().toLatin1(), Windows1252::encode(value), lineEnd);
            QVERIFY2(why.isEmpty(), (why.toUtf8() + " in " + context).constData());
        }
    }
}

// On random profiles and on the real ones (when their folder is there), the
// index finds and lists exactly the entries a plain scan of the lines finds.
void ProfilePropertyTest::indexReadsAsPlainScan() {
    QRandomGenerator random(seed);
    ProfileGenerator generate(random);
    for (int round = 0; round < 20 * profileCount; ++round) {
        const QByteArray bytes = generate.profile();
        QList<QPair<QByteArray, QByteArray>> lookups;
        for (int i = 0; i < 12; ++i)
            lookups.append({generate.casedName(sectionNames).toLatin1(), generate.casedName(keyNames).toLatin1()});
        const QString why = indexDifference(bytes, lookups);
        QVERIFY2(why.isEmpty(), qPrintable(why + u" in:\n"_s + QString::fromLatin1(bytes)));
    }
    const QDir realWorld(QStringLiteral(PARLOMATIC_REALWORLD_DIR));
    for (const QString& name : realWorld.entryList({u"*.ini"_s}, QDir::Files)) {
        const QByteArray bytes = test::fileBytes(realWorld.filePath(name)).value_or(QByteArray());
        QList<QPair<QByteArray, QByteArray>> lookups{{"Engine.Input", "NoSuchKey"}, {"NoSuchSection", "Voice"}};
        for (const PlainEntry& entry : plainScan(bytes))
            lookups.append({entry.section.toUpper(), entry.key.toLower()});
        const QString why = indexDifference(bytes, lookups);
        QVERIFY2(why.isEmpty(), qPrintable(name + u": "_s + why));
    }
}

QTEST_GUILESS_MAIN(ProfilePropertyTest)
#include "tst_ProfileProperty.moc"

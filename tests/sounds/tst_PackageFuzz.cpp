// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/ClassDefaults.h"
#include "sounds/GameFolder.h"
#include "sounds/Package.h"
#include "sounds/SoundExport.h"
#include "sounds/TauntSound.h"
#include "support/SyntheticGame.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace parlomatic::sounds;
using namespace parlomatic::test;

namespace {

// Mutations per package, and the time the whole run may take (the sanitizer build is slower).
constexpr int mutationsPerPackage = 4000;
constexpr qint64 timeLimitMs = 40000;

// A fixed pseudo-random sequence, so that a failure comes back on every run.
class Sequence {
public:
    explicit Sequence(quint32 seed) : m_state(seed) {}
    quint32 next(quint32 bound) {
        m_state = m_state * 1664525u + 1013904223u;
        return bound == 0 ? 0 : (m_state >> 8) % bound;
    }

private:
    quint32 m_state;
};

// One damage of the kinds downloaded packages show: a byte changed, a
// count or offset made huge or negative, the file cut short, bytes inserted.
QByteArray mutate(QByteArray bytes, Sequence& random) {
    const auto at = [&] { return qsizetype(random.next(quint32(bytes.size()))); };
    switch (random.next(5)) {
    case 0:
        for (quint32 i = 0, n = 1 + random.next(4); i < n; ++i)
            bytes[at()] = char(random.next(256));
        break;
    case 1: {
        static const char* const values[] = {"\xff\xff\xff\x7f", "\xff\xff\xff\xff", "\x00\x00\x00\x80",
                                             "\x40\x00\x00\x00"};
        const QByteArray value(values[random.next(4)], 4);
        // Header fields and table entries alike.
        const qsizetype offset = random.next(2) ? 4 * qsizetype(random.next(10)) : at();
        bytes.replace(offset, value.size(), value);
        break;
    }
    case 2:
        bytes.truncate(at());
        break;
    case 3:
        bytes.insert(at(), QByteArray(1 + int(random.next(8)), char(random.next(256))));
        break;
    default:
        bytes.remove(at(), 1 + random.next(8));
        break;
    }
    return bytes;
}

// Reads everything the lookup reads of package; damage may only ever throw PackageFault.
void readAll(const QByteArray& bytes) {
    Package package;
    QString error;
    if (!package.read(bytes, QStringLiteral("Fuzzed.u"), error)) {
        QVERIFY(!error.isEmpty() && !error.contains(QLatin1Char('\n')));
        return;
    }
    for (int i = 0; i < int(package.exports().size()); ++i) {
        try {
            package.path(i + 1);
            if (package.exports()[std::size_t(i)].classRef == 0)
                readClassDefaults(package, i);
            else if (package.className(i + 1).compare(QLatin1String("Sound"), Qt::CaseInsensitive) == 0)
                readSoundWave(package, i);
        } catch (const PackageFault& fault) {
            QVERIFY(!fault.message.isEmpty());
        }
    }
}

} // namespace

class tst_PackageFuzz : public QObject {
    Q_OBJECT

private slots:
    // Damaged copies of every package of the synthetic game are read object by
    // object and looked up through; every one ends in a sound or a one-line error.
    void damagedPackagesNeverCrash() {
        QTemporaryDir game;
        QVERIFY(game.isValid());
        writeSyntheticGame(game.path());
        const QString profile = game.filePath(QStringLiteral("System/kvuser.ini"));
        const std::optional<GameFolder> folder = GameFolder::forProfile(profile);
        QVERIFY(folder);
        QElapsedTimer clock;
        clock.start();
        int runs = 0;
        for (const QString& name : {QStringLiteral("System/Botpack.u"), QStringLiteral("System/MultiMesh.u"),
                                    QStringLiteral("System/UnrealShare.u"), QStringLiteral("Sounds/Male2Voice.uax")}) {
            QFile file(game.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray original = file.readAll();
            file.close();
            Sequence random(qHash(name));
            for (int i = 0; i < mutationsPerPackage && clock.elapsed() < timeLimitMs; ++i, ++runs) {
                const QByteArray damaged = mutate(original, random);
                readAll(damaged);
                if (i % 10 != 0)
                    continue;
                QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                file.write(damaged);
                file.close();
                for (int type = 0; type < 4; ++type) {
                    QString error;
                    if (!findTauntSound(*folder, QStringLiteral("MultiMesh.NaliVoice"), type, type == 0 ? 1 : 0, error))
                        QVERIFY(!error.isEmpty() && !error.contains(QLatin1Char('\n')));
                }
            }
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(original);
        }
        qInfo("%d damaged packages read in %lld ms", runs, clock.elapsed());
        QVERIFY(runs > 100);
    }
};

QTEST_GUILESS_MAIN(tst_PackageFuzz)
#include "tst_PackageFuzz.moc"

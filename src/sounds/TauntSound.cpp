// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/TauntSound.h"

#include "sounds/ClassDefaults.h"
#include "sounds/GameFolder.h"
#include "sounds/Package.h"
#include "sounds/SoundExport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <array>
#include <memory>

namespace parlomatic::sounds {

namespace {

struct SoundArray {
    const char* name;
    int size;
};

constexpr std::array<SoundArray, 5> soundArrays{{
    {"AckSound", 16},
    {"FFireSound", 16},
    {"OrderSound", 16},
    {"TauntSound", 32},
    {"OtherSound", 32},
}};

// The voicepacks' superclasses go on into the engine's own packages, whose
// classes give none of the sound arrays defaults; the walk ends there.
bool isEnginePackage(const QString& package) {
    return package.compare(QLatin1String("Engine"), Qt::CaseInsensitive) == 0 ||
           package.compare(QLatin1String("Core"), Qt::CaseInsensitive) == 0;
}

// A voicepack's class chain has a handful of steps; far more means something is wrong.
constexpr int longestClassChain = 32;

// Runs read on package, naming the package's file in what it throws.
template <typename Read> auto within(const Package& package, Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const PackageFault& fault) {
        fail(QStringLiteral("%1: %2").arg(package.fileName(), fault.message));
    }
}

// Opens each package once and follows references from one to the next.
class SoundFinder {
public:
    explicit SoundFinder(const GameFolder& game) : m_game(game) {}

    TauntSound find(const QString& classPath, int type, int index) {
        const SoundArray& array = soundArrays.at(std::size_t(type));
        const auto noSound = [] {
            fail(QCoreApplication::translate("TauntSound", "no sound for this taunt in this voicepack"));
        };
        if (index < 0 || index >= array.size)
            noSound();
        const QString arrayKey = QString::fromLatin1(array.name).toLower();

        QString packageName = classPath.section(QLatin1Char('.'), 0, 0);
        QString className = classPath.section(QLatin1Char('.'), 1);
        QSet<QString> visited;
        for (;;) {
            const QString fullName = packageName + QLatin1Char('.') + className;
            if (visited.contains(fullName.toLower()) || visited.size() >= longestClassChain)
                //: %1 is a class of the game
                fail(QCoreApplication::translate("TauntSound", "the superclasses of %1 form a cycle").arg(classPath));
            visited.insert(fullName.toLower());

            const Package& package = open(packageName, QStringLiteral(".u"));
            const int exportIndex = within(package, [&] { return package.findClass(className); });
            if (exportIndex < 0)
                //: %1 is a class of the game, %2 a package file
                fail(QCoreApplication::translate("TauntSound", "class %1 not found in %2")
                         .arg(fullName, package.fileName()));
            const ClassDefaults defaults = within(package, [&] { return readClassDefaults(package, exportIndex); });
            const auto sounds = defaults.objects.constFind(arrayKey);
            if (sounds != defaults.objects.cend() && sounds->contains(index)) {
                const qint32 ref = sounds->value(index);
                if (ref == 0)
                    noSound();
                TauntSound sound = soundAt(package, ref);
                sound.className = package.packageName() + QLatin1Char('.') +
                                  within(package, [&] { return package.objectName(exportIndex + 1); });
                sound.arrayName = QString::fromLatin1(array.name);
                sound.index = index;
                return sound;
            }
            if (defaults.superRef == 0)
                noSound();
            const QStringList super = within(package, [&] { return package.path(defaults.superRef); });
            if (defaults.superRef < 0) {
                packageName = super.first();
                className = super.last();
            } else {
                className = super.last();
            }
            if (isEnginePackage(packageName))
                noSound();
        }
    }

private:
    const Package& open(const QString& name, const QString& extension = {}) {
        const QString file = m_game.findPackage(name, extension);
        if (file.isEmpty())
            //: %1 is a package name, %2 its file extension
            fail(QCoreApplication::translate("TauntSound", "package %1%2 not found").arg(name, extension));
        if (const auto found = m_packages.constFind(file); found != m_packages.cend())
            return **found;
        auto package = std::make_shared<Package>();
        QString error;
        if (!package->open(file, error))
            fail(error);
        m_files.insert(package.get(), file);
        return **m_packages.insert(file, package);
    }

    // The sound that ref of package names, following an import to its own package.
    TauntSound soundAt(const Package& package, qint32 ref) {
        const QStringList path = within(package, [&] { return package.path(ref); });
        const QString className = within(package, [&] { return package.className(ref); });
        if (className.compare(QLatin1String("Sound"), Qt::CaseInsensitive) != 0)
            //: %1 is a package file, %2 an object in it
            fail(QCoreApplication::translate("TauntSound", "%1: %2 is no sound")
                     .arg(package.fileName(), path.join(QLatin1Char('.'))));
        const Package* holder = &package;
        int exportIndex = ref - 1;
        if (ref < 0) {
            if (path.size() < 2)
                //: %1 is a package file, %2 an object in it
                fail(QCoreApplication::translate("TauntSound", "%1: the sound %2 names no package")
                         .arg(package.fileName(), path.join(QLatin1Char('.'))));
            holder = &open(path.first());
            exportIndex = within(*holder, [&] { return holder->findExport(path.mid(1), className); });
            if (exportIndex < 0)
                //: %1 is a sound object, %2 a package file
                fail(QCoreApplication::translate("TauntSound", "sound %1 not found in %2")
                         .arg(path.join(QLatin1Char('.')), holder->fileName()));
        }
        TauntSound sound;
        sound.wave = within(*holder, [&] { return readSoundWave(*holder, exportIndex); });
        sound.packageFile = m_files.value(holder);
        sound.objectPath = (ref < 0 ? path : QStringList{holder->packageName()} + path).join(QLatin1Char('.'));
        return sound;
    }

    const GameFolder& m_game;
    QHash<QString, std::shared_ptr<Package>> m_packages;
    QHash<const Package*, QString> m_files;
};

} // namespace

QString soundArrayName(int type) {
    if (type < 0 || type >= int(soundArrays.size()))
        return {};
    return QString::fromLatin1(soundArrays.at(std::size_t(type)).name);
}

std::optional<TauntSound> findTauntSound(const GameFolder& game, const QString& classPath, int type, int index,
                                         QString& error) {
    if (soundArrayName(type).isEmpty()) {
        error = QCoreApplication::translate("TauntSound", "no sound for this taunt in this voicepack");
        return std::nullopt;
    }
    try {
        return SoundFinder(game).find(classPath, type, index);
    } catch (const PackageFault& fault) {
        error = fault.message;
        return std::nullopt;
    }
}

std::optional<TauntSound> findTauntSoundForProfile(const QString& profilePath, const QString& classPath, int type,
                                                   int index, QString& error) {
    const std::optional<GameFolder> game = GameFolder::forProfile(profilePath);
    if (!game) {
        error = QCoreApplication::translate("TauntSound", "no game folder found");
        return std::nullopt;
    }
    return findTauntSound(*game, classPath, type, index, error);
}

} // namespace parlomatic::sounds

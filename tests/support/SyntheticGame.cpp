// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SyntheticGame.h"

#include <QDir>
#include <QFile>

namespace parlomatic::test {

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The import of class Engine.Sound.
qint32 importSoundClass(PackageWriter& package) {
    return package.addImport(QStringLiteral("Core"), QStringLiteral("Class"),
                             package.importPackage(QStringLiteral("Engine")), QStringLiteral("Sound"));
}

} // namespace

ScriptWriter sampleScript(PackageWriter& package, qint32 someRef, int pointerSize) {
    ScriptWriter script(pointerSize);
    // Let(InstanceVariable, IntConst 5)
    script.token(0x0F).token(0x01).object(someRef).token(0x1D).i32(5);
    // JumpIfNot over a call of a script function with a string argument
    script.token(0x07).u16(40).token(0x1B).name(package.name(QStringLiteral("PlayTaunt")));
    script.token(0x1F).text("Roger").token(0x26).token(0x16);
    // A native operator with two arguments, then a byte-to-int conversion
    script.token(0x9A).token(0x25).token(0x2C).token(7).token(0x16).token(0x3A).token(0x24).token(7);
    // Context(Self, 0, 0, VirtualFunction) and a Case
    script.token(0x19).token(0x17).u16(4).token(0x00).token(0x1B).name(package.name(QStringLiteral("Destroy")));
    script.token(0x16).token(0x0A).u16(0xFFFF);
    // A label table, aligned as the compiler aligns it, then return nothing
    script.token(0x0C).name(package.name(QStringLiteral("Begin"))).i32(0);
    script.name(package.name(QStringLiteral("None"))).i32(0xFFFF);
    script.token(0x04).token(0x0B);
    return script;
}

void writeSyntheticGame(const QString& root, const SyntheticSounds& sounds) {
    PackageWriter voice(64);
    const qint32 voiceSound = importSoundClass(voice);
    voice.addExport(voiceSound, 0, 0, QStringLiteral("M2gotit"), voice.soundData(QStringLiteral("WAV"), sounds.gotIt));
    voice.addExport(voiceSound, 0, 0, QStringLiteral("M2roger"), voice.soundData(QStringLiteral("wav"), sounds.roger));
    voice.addExport(voiceSound, 0, 0, QStringLiteral("M2defend"),
                    voice.soundData(QStringLiteral("wav"), sounds.defend));
    writeFile(root + QStringLiteral("/Sounds/Male2Voice.uax"), voice.bytes());

    PackageWriter botpack(63);
    const qint32 voicePackClass =
        botpack.addImport(QStringLiteral("Core"), QStringLiteral("Class"),
                          botpack.importPackage(QStringLiteral("Engine")), QStringLiteral("VoicePack"));
    const qint32 male2 = botpack.importPackage(QStringLiteral("Male2Voice"));
    const auto male2Sound = [&](const char* name) {
        return botpack.addImport(QStringLiteral("Engine"), QStringLiteral("Sound"), male2, QString::fromLatin1(name));
    };
    const qint32 challenge = botpack.addExport(0, voicePackClass, 0, QStringLiteral("ChallengeVoicePack"));
    const qint32 maleTwo = botpack.addExport(0, challenge, 0, QStringLiteral("VoiceMaleTwo"));
    botpack.setData(challenge,
                    botpack.classData(voicePackClass, sampleScript(botpack, challenge),
                                      botpack.boolTag(QStringLiteral("bStatic"), false) +
                                          botpack.intTag(QStringLiteral("Pitch"), 64) +
                                          botpack.objectTag(QStringLiteral("FFireSound"), 0, male2Sound("M2gotit")) +
                                          botpack.noneTag()));
    botpack.setData(maleTwo,
                    botpack.classData(challenge, sampleScript(botpack, maleTwo),
                                      botpack.objectTag(QStringLiteral("AckSound"), 0, male2Sound("M2gotit")) +
                                          botpack.boolTag(QStringLiteral("bHidden"), true) +
                                          botpack.objectTag(QStringLiteral("AckSound"), 1, male2Sound("M2roger")) +
                                          botpack.objectTag(QStringLiteral("OrderSound"), 0, male2Sound("M2defend")) +
                                          botpack.noneTag()));
    writeFile(root + QStringLiteral("/System/Botpack.u"), botpack.bytes());

    PackageWriter share(69);
    const qint32 shareSound = importSoundClass(share);
    const qint32 nali = share.addGroup(QStringLiteral("Nali"));
    share.addExport(shareSound, 0, 0, QStringLiteral("contct1n"),
                    share.soundData(QStringLiteral("wav"), waveFile(9, 1)));
    share.addExport(shareSound, 0, nali, QStringLiteral("contct1n"),
                    share.soundData(QStringLiteral("wav"), sounds.contact));
    share.addExport(shareSound, 0, nali, QStringLiteral("chant"), share.soundData(QStringLiteral("ogg"), "OggS...."));
    writeFile(root + QStringLiteral("/System/UnrealShare.u"), share.bytes());

    PackageWriter multi(68);
    const qint32 male2Class =
        multi.addImport(QStringLiteral("Core"), QStringLiteral("Class"), multi.importPackage(QStringLiteral("Botpack")),
                        QStringLiteral("VoiceMaleTwo"));
    const qint32 naliGroup =
        multi.importPackage(QStringLiteral("Nali"), multi.importPackage(QStringLiteral("UnrealShare")));
    const qint32 contact =
        multi.addImport(QStringLiteral("Engine"), QStringLiteral("Sound"), naliGroup, QStringLiteral("contct1n"));
    const qint32 chant =
        multi.addImport(QStringLiteral("Engine"), QStringLiteral("Sound"), naliGroup, QStringLiteral("chant"));
    const qint32 naliVoice = multi.addExport(0, male2Class, 0, QStringLiteral("NaliVoice"));
    multi.setData(naliVoice,
                  multi.classData(male2Class, sampleScript(multi, naliVoice),
                                  multi.objectTag(QStringLiteral("TauntSound"), 0, contact) +
                                      multi.objectTag(QStringLiteral("TauntSound"), 1, chant) + multi.noneTag()));
    writeFile(root + QStringLiteral("/System/MultiMesh.u"), multi.bytes());

    writeFile(root + QStringLiteral("/System/UnrealTournament.ini"),
              "[Engine.Engine]\r\nGameRenderDevice=SoftDrv.SoftwareRenderDevice\r\n\r\n[Core.System]\r\n"
              "PurgeCacheDays=30\r\nSavePath=../Save\r\nPaths=../System/*.u\r\nPaths=../Maps/*.unr\r\n"
              "Paths=..\\sounds\\*.uax\r\nPaths=../Music/*.umx\r\n");
}

} // namespace parlomatic::test

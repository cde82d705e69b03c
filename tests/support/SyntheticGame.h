// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/PackageWriter.h"

#include <QByteArray>
#include <QString>

namespace parlomatic::test {

// The sounds the synthetic installation holds, as the voicepacks find them.
struct SyntheticSounds {
    // Male2Voice.uax: AckSound 0 and 1 and OrderSound 0 of Botpack.VoiceMaleTwo
    // ("Roger" is AckSound 1, a WAV with an extra chunk); gotIt is also
    // FFireSound 0 of Botpack.ChallengeVoicePack.
    QByteArray gotIt = waveFile(40, 10);
    QByteArray roger = waveFile(51, 60, true);
    QByteArray defend = waveFile(30, 120);
    // UnrealShare.u, group Nali: TauntSound 0 of MultiMesh.NaliVoice.
    QByteArray contact = waveFile(25, 200);
};

// Script code as a class's functions hold it: assignments, calls of script
// and native functions, constants, a jump and a label table; someRef is any
// object reference of package. pointerSize is 8 for a package saved by a 64-bit build.
ScriptWriter sampleScript(PackageWriter& package, qint32 someRef, int pointerSize = 4);

// Lays out a game under root as the game does: System/Botpack.u (version 63),
// System/MultiMesh.u (68), System/UnrealShare.u (69), Sounds/Male2Voice.uax
// (64) and System/UnrealTournament.ini with their search paths (the sounds'
// written with backslashes and in lower case, as Windows lets an ini write it).
// MultiMesh.NaliVoice extends Botpack.VoiceMaleTwo, which extends
// Botpack.ChallengeVoicePack; NaliVoice sets only TauntSound 0 (in group Nali
// of UnrealShare.u) and TauntSound 1 (an ogg sound there).
void writeSyntheticGame(const QString& root, const SyntheticSounds& sounds = {});

} // namespace parlomatic::test

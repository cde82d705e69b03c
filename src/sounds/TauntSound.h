// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace parlomatic::sounds {

class GameFolder;

// The sound a speech binding plays, and how it was found.
struct TauntSound {
    QByteArray wave;
    // The class whose default properties name the sound ("Botpack.VoiceMaleTwo").
    QString className;
    // The array of the binding's type ("OrderSound") and the binding's index in it.
    QString arrayName;
    int index = 0;
    // The package file that holds the sound, and the sound's full object path
    // ("UnrealShare.Nali.contct1n").
    QString packageFile;
    QString objectPath;
};

// The name of the array the binding "speech type ..." reads ("AckSound" for
// type 0 up to "OtherSound" for 4), or an empty text for another type.
QString soundArrayName(int type);

// The sound that "speech type index -1" plays with the voicepack class
// classPath ("Botpack.VoiceMaleTwo"): its default property of the type's array
// at index, looked up along the superclass chain across packages, then the
// Sound object it names, in whichever package holds it. On failure returns
// nothing and sets error to one line ("package Botpack.u not found", "no sound
// for this taunt in this voicepack", "ogg sound: not supported", or what is
// wrong with which file).
std::optional<TauntSound> findTauntSound(const GameFolder& game, const QString& classPath, int type, int index,
                                         QString& error);

// findTauntSound in the installation of the profile at profilePath; "no game
// folder found" when there is none.
std::optional<TauntSound> findTauntSoundForProfile(const QString& profilePath, const QString& classPath, int type,
                                                   int index, QString& error);

} // namespace parlomatic::sounds

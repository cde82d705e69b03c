// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/VoicePackCatalogue.h"

#include <QCoreApplication>

namespace parlomatic {

namespace {

// The notes shown when a voicepack that needs an extra download is chosen,
// kept in English here and translated where they are shown.
// Lines are separated by CR LF; the blanks at the start of lines are part of the text.
QString bonusPackNote() {
    return QString::fromUtf8(QT_TRANSLATE_NOOP("VoicePackCatalogue", "This Voice is part of the UT Bonuspack.\r\n"
                                                                     " Make sure you have installed this pack, before "
                                                                     "you use it."));
}

QString bonusPackMale2Note() {
    return QString::fromUtf8(QT_TRANSLATE_NOOP("VoicePackCatalogue",
                                               "This Voice is part of the UT Bonuspack.\r\n"
                                               " Make sure you have installed this pack, before you use it.\r\n"
                                               "Most of the Taunts are identical to UT Male2."));
}

QString customPackNote() {
    return QString::fromUtf8(QT_TRANSLATE_NOOP("VoicePackCatalogue", "This is not a standard Voicepack.\r\n"
                                                                     " Make sure you have installed this pack, before "
                                                                     "you use it"));
}

QString germanCustomPackNote() {
    return QString::fromUtf8(QT_TRANSLATE_NOOP("VoicePackCatalogue",
                                               "This is not a standard Voicepack.\r\n"
                                               " Make sure you have installed this pack, before you use it\r\n"
                                               " This customvoicepack is in german language"));
}

} // namespace

const std::array<VoicePackInfo, voicePackCount>& VoicePackCatalogue() {
    static const std::array<VoicePackInfo, voicePackCount> catalogue{{
        {QStringLiteral("grunt1package.Voicegrunt1"), QStringLiteral("Kelvanor Male"), {}},
        {QStringLiteral("Botpack.VoiceMaleOne"), QStringLiteral("Unreal Tournament Male Nr1"), {}},
        {QStringLiteral("Botpack.VoiceMaleTwo"), QStringLiteral("Unreal Tournament Male Nr2"), {}},
        {QStringLiteral("BotPack.VoiceFemaleOne"), QStringLiteral("Unreal Tournament Female Nr1"), {}},
        {QStringLiteral("BotPack.VoiceFemaleTwo"), QStringLiteral("Unreal Tournament Female Nr2"), {}},
        {QStringLiteral("BotPack.VoiceBoss"), QStringLiteral("Unreal Tournament Boss Voice"), {}},
        {QStringLiteral("MultiMesh.SkaarjVoice"), QStringLiteral("Skaarj Hybrid Voice"), bonusPackNote()},
        {QStringLiteral("MultiMesh.naliVoice"), QStringLiteral("Nali Voice"), bonusPackMale2Note()},
        {QStringLiteral("MultiMesh.CowVoice"), QStringLiteral("Nali Warcow Voice"), bonusPackMale2Note()},
        {QStringLiteral("flanders.flanders"), QStringLiteral("Ned Flanders Voicepack"), customPackNote()},
        {QStringLiteral("DeadeyePackage.VoiceDeadeye"), QStringLiteral("Deadeye Voicepack"), customPackNote()},
        {QStringLiteral("MarinesPackage.VoiceMarines"), QStringLiteral("Marines Voicepack"), {}},
        {QStringLiteral("DR_BOSS.DR_BOSS"), QStringLiteral("DR.Boss Voicepack(german)"), germanCustomPackNote()},
        {QStringLiteral("DaggetPackage.VoiceDagget"), QStringLiteral("Dagget Voicepack"), customPackNote()},
        {QStringLiteral("commandovoice2.commandovoice1"), QStringLiteral("KV Commando2 Voicepack"), customPackNote()},
    }};
    return catalogue;
}

int voicepackNumber(const QString& displayName) {
    for (int i = 0; i < voicePackCount; ++i) {
        if (VoicePackCatalogue()[std::size_t(i)].displayName == displayName)
            return i;
    }
    return -1;
}

int voicepackNamed(const QString& name) {
    for (int i = 0; i < voicePackCount; ++i) {
        const VoicePackInfo& info = VoicePackCatalogue()[std::size_t(i)];
        if (info.displayName == name || info.classPath.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString voiceDefault() {
    // Every key of every refresh reads with it.
    static const QString value = QStringLiteral("noVoice").leftJustified(30, QLatin1Char(' '));
    return value;
}

} // namespace parlomatic

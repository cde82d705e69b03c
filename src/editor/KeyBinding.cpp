// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyBinding.h"

#include "profile/SpeechBinding.h"

namespace parlomatic {

namespace {

// Large enough for any value a profile line holds.
constexpr int fullValueCapacity = 65536;

} // namespace

QString keyBinding(const ProfileFile& profile, const QString& keyName) {
    return profile.ReadEntry(QStringLiteral("Engine.Input"), keyName, QString(), fullValueCapacity);
}

bool isGameCommand(const QString& binding) {
    return !binding.isEmpty() && !isSpeechBinding(binding);
}

} // namespace parlomatic

// SPDX-License-Identifier: GPL-3.0-or-later
#include "modules/ModuleLoader.h"
#include "player/SystemWavePlayer.h"

namespace parlomatic {

namespace {

// Stands in for the player when its module cannot be loaded.
class UnavailablePlayer : public WavePlayer {
public:
    explicit UnavailablePlayer(QString reason) : m_reason(std::move(reason)) {}

    QString play(const QByteArray&) override { return m_reason; }
    QString playToEnd(const QByteArray&) override { return m_reason; }

private:
    QString m_reason;
};

} // namespace

std::unique_ptr<WavePlayer> makeSystemWavePlayer() {
    QString error;
    using Entry = WavePlayer* (*)();
    const auto entry =
        reinterpret_cast<Entry>(resolveModuleEntry(QStringLiteral(PARLOMATIC_PLAYER_MODULE), "parlomaticMakeWavePlayer",
                                                   error, QStringLiteral(PARLOMATIC_PLAYER_BUILD_DIR)));
    if (entry == nullptr)
        return std::make_unique<UnavailablePlayer>(QStringLiteral("the sound module cannot be loaded: %1").arg(error));
    return std::unique_ptr<WavePlayer>(entry());
}

} // namespace parlomatic

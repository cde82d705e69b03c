// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/CliCommand.h"

namespace parlomatic::cli {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands{
        catalogueCommand(), getCommand(),    setCommand(),      showCommand(),    bindCommand(),  unbindCommand(),
        voiceCommand(),     eraseCommand(),  backupCommand(),   restoreCommand(), eliteCommand(), nameCommand(),
        statusCommand(),    keymapCommand(), profilesCommand(), historyCommand(), undoCommand(),  soundCommand(),
    };
    return commands;
}

} // namespace parlomatic::cli

#include "cli/Commands.h"
#include "cli/CliCommand.h"

namespace parlomatic::cli {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands{
        catalogueCommand(), getCommand(),    setCommand(),      showCommand(),    bindCommand(),  unbindCommand(),
        voiceCommand(),     eraseCommand(),  backupCommand(),   restoreCommand(), eliteCommand(), nameCommand(),
        statusCommand(),    keymapCommand(), profilesCommand(), soundCommand(),
    };
    return commands;
}

} // namespace parlomatic::cli

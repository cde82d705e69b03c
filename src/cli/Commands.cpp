#include "cli/CliCommand.h"
#include "cli/Commands.h"

namespace parlomatic::cli {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands{
        catalogueCommand(),
    };
    return commands;
}

} // namespace parlomatic::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"

namespace parlomatic::cli {

// Each sub-command lives in a file of its own and is listed in Commands.cpp.
CliCommand catalogueCommand();
CliCommand getCommand();
CliCommand setCommand();
CliCommand showCommand();
CliCommand bindCommand();
CliCommand unbindCommand();
CliCommand voiceCommand();
CliCommand eraseCommand();
CliCommand backupCommand();
CliCommand restoreCommand();
CliCommand eliteCommand();
CliCommand nameCommand();
CliCommand statusCommand();
CliCommand keymapCommand();
CliCommand profilesCommand();
CliCommand historyCommand();
CliCommand undoCommand();
CliCommand soundCommand();

} // namespace parlomatic::cli

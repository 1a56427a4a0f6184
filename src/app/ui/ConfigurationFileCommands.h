#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// "Configuration": Load ... and Save ... of any configuration file.
void RegisterConfigurationFileCommands(CommandTable& table);

// "main.gccfg" of the data directory: loaded when the window opens, written on exit.
void LoadMainConfiguration(CommandContext& context);
void SaveMainConfiguration(CommandContext& context);

}  // namespace tessmark

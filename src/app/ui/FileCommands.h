#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// "File": New, Exit and the two about boxes.
void RegisterFileCommands(CommandTable& table);

// Saves the placement and the configuration without asking, then ends the program.
void SaveAndClose(CommandContext& context);
// The close box: asks "Confirm exit ?" and closes only on Yes.
void ConfirmExit(CommandContext& context);

}  // namespace tessmark

#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// "Paint": undo, zoom, fill colour, mixage, and the command of every operation with a dialog (the
// shape generators and the noise filter).
void RegisterPaintCommands(CommandTable& table);

}  // namespace tessmark

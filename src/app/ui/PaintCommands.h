#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// "Paint": undo, zoom, fill colour, mixage and the six shape generators.
void RegisterPaintCommands(CommandTable& table);

}  // namespace tessmark

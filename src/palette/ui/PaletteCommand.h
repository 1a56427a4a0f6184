#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// Paint > "Palette ...": the palette editor over the current palette.
void RegisterPaletteCommand(CommandTable& table);

}  // namespace tessmark

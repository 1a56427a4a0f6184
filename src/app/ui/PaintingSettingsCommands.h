#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// Paint > "Configuration ...", "Blend Color ..." and "No Blend Color": the painting settings that
// belong to no single shape. None of them needs a picture or redraws it.
void RegisterPaintingSettingsCommands(CommandTable& table);

}  // namespace tessmark

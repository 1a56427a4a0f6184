#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// File > Export > "Jpeg ..." and "Png ...": the picture itself, its own size whatever the zoom, as
// a file of that format.
void RegisterPictureExportCommands(CommandTable& table);

}  // namespace tessmark

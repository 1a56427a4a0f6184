#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// File > Export > "Png ...": the picture itself, lossless, whatever the zoom.
void RegisterPngExportCommand(CommandTable& table);

}  // namespace tessmark

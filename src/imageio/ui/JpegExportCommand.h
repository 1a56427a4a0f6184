#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// File > Export > "Jpeg ...": the picture as a JPEG file of its own size.
void RegisterJpegExportCommand(CommandTable& table);

}  // namespace tessmark

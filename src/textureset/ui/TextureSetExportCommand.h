#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// File > Export > "Texture set ...": the picture painted again from its recipe along with the maps
// the dialog asks for, then written with them as PNG files, all or none.
void RegisterTextureSetExportCommand(CommandTable& table);

}  // namespace tessmark

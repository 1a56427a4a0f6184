#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// Paint > "Preview ...": the picture tiled 3 x 3 in a window of its own.
void RegisterPreviewCommand(CommandTable& table);

}  // namespace tessmark

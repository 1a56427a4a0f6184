#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// File > Export > "Recipe ...": a response file for tessmark that paints the picture again, with
// its start picture beside it when it began from an import.
void RegisterRecipeExportCommand(CommandTable& table);

}  // namespace tessmark

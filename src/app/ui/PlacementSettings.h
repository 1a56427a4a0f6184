#pragma once

#include "app/ui/CommandContext.h"

namespace tessmark {

// The window placement kept in the settings store as "left", "top", "right", "bottom"; a missing
// or zero value reads as 1, 1, 512, 512 respectively.
WindowPlacement StoredPlacement(Platform& desktop);
void StorePlacement(Platform& desktop, const WindowPlacement& placement);

}  // namespace tessmark

#pragma once

#include <optional>

#include "app/ui/CommandContext.h"

namespace tessmark {

// The window placement kept in the settings store as "left", "top", "right", "bottom"; a missing
// or zero value reads as 1, 1, 512, 512 respectively. Nothing when none of the four is stored: the
// window then places itself to fit the screen.
std::optional<WindowPlacement> StoredPlacement(Platform& desktop);
void StorePlacement(Platform& desktop, const WindowPlacement& placement);

}  // namespace tessmark

#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// File > "Sessions ...": a step of a kept session painted again and made the current picture.
void RegisterSessionsCommand(CommandTable& table);

}  // namespace tessmark

#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// "Filter ....": the noise filter.
void RegisterFilterCommands(CommandTable& table);

}  // namespace tessmark

#include "app/ui/FilterCommands.h"

namespace tessmark {

void RegisterFilterCommands(CommandTable&) {}

}  // namespace tessmark

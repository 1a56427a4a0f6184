#include "app/ui/CommandTable.h"

#include "app/ui/ConfigurationCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/FilterCommands.h"
#include "app/ui/PaintCommands.h"

namespace tessmark {

void RegisterAllCommands(CommandTable& table) {
  RegisterFileCommands(table);
  RegisterPaintCommands(table);
  RegisterFilterCommands(table);
  RegisterConfigurationCommands(table);
}

}  // namespace tessmark

#include "app/ui/ConfigurationCommands.h"

namespace tessmark {

void LoadMainConfiguration(CommandContext&) {}
void SaveMainConfiguration(CommandContext&) {}
void RegisterConfigurationCommands(CommandTable&) {}

}  // namespace tessmark

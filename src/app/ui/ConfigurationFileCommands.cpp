#include "app/ui/ConfigurationFileCommands.h"

#include "app/CommandIds.h"
#include "settings/Configuration.h"

namespace tessmark {
namespace {

const FileDialogRequest ConfigurationFiles{"*.gccfg|*.gccfg|", false};
const FileDialogRequest NewConfigurationFile{"*.gccfg|*.gccfg|", true};

// Loads over the settings and shows what went wrong, if anything.
void LoadInto(CommandContext& c, const std::string& path) {
  const ConfigurationLoad load = LoadConfiguration(path, c.State.Settings);
  if (load.Message) c.Desktop.ShowMessage(*load.Message, MessageButtons::Ok);
}

void LoadChosen(CommandContext& c) {
  if (const std::optional<std::string> path = c.Desktop.OpenFileName(ConfigurationFiles)) LoadInto(c, *path);
}

void SaveChosen(CommandContext& c) {
  if (const std::optional<std::string> path = c.Desktop.SaveFileName(NewConfigurationFile))
    SaveConfiguration(*path, c.State.Settings);
}

}  // namespace

void LoadMainConfiguration(CommandContext& c) { LoadInto(c, c.State.ConfigPath); }

void SaveMainConfiguration(CommandContext& c) { SaveConfiguration(c.State.ConfigPath, c.State.Settings); }

void RegisterConfigurationFileCommands(CommandTable& table) {
  table.Add(command_id::LoadConfiguration, LoadChosen);
  table.Add(command_id::SaveConfiguration, SaveChosen);
}

}  // namespace tessmark

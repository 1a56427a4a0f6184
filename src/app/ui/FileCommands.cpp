#include "app/ui/FileCommands.h"

#include "app/BuildStamp.h"
#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/SessionKeeping.h"
#include "app/ui/ConfigurationFileCommands.h"
#include "app/ui/PlacementSettings.h"

namespace tessmark {
namespace {

void NewPicture(CommandContext& c) {
  if (!c.Desktop.RunParameterDialog(SettingsDialog::NewPicture, c.State.Settings)) return;
  const NewPictureParams& size = c.State.Settings.NewPicture;
  if (!c.CheckPictureSize(size.X, size.Y)) return;
  std::optional<tessmark::Picture> picture = CreatePicture(size.X, size.Y, c.State.Memory);
  if (!picture) {
    c.Desktop.ShowMessage(OutOfMemoryMessage(), MessageButtons::Ok);
    return;
  }
  StartNewPicture(c.State, std::move(*picture));
  ResetView(c.State.View);
  c.RebuildDisplay();
  c.View.LayoutScrollBars();
}

}  // namespace

void SaveAndClose(CommandContext& c) {
  StorePlacement(c.Desktop, c.View.Placement());
  SaveMainConfiguration(c);
  EndSession(c.State);
  c.View.EndProgram();
}

void ConfirmExit(CommandContext& c) {
  if (c.Desktop.ShowMessage(ConfirmExitMessage(), MessageButtons::YesNo) == MessageAnswer::Yes) SaveAndClose(c);
}

void RegisterFileCommands(CommandTable& table) {
  table.Add(command_id::New, NewPicture);
  table.Add(command_id::Exit, SaveAndClose);
  table.Add(command_id::AboutBox, [](CommandContext& c) { c.Desktop.ShowAboutBox(MainWindowTitle()); });
  table.Add(command_id::AboutProgram, [](CommandContext& c) { c.Desktop.ShowProgramAbout(); });
}

}  // namespace tessmark

#include "app/ui/PaintCommands.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/PaintCommand.h"

namespace tessmark {
namespace {

void Undo(CommandContext& c) {
  if (!c.State.CurrentPicture) return;
  if (!RestoreUndoSnapshot(c.State)) {
    c.Desktop.ShowMessage(OutOfMemoryMessage(), MessageButtons::Ok);
    return;
  }
  c.RebuildDisplay();
}

void Zoom(CommandContext& c, void (*step)(Workspace&)) {
  step(c.State);
  c.RebuildDisplay();
}

}  // namespace

void RegisterPaintCommands(CommandTable& table) {
  namespace id = command_id;
  table.Add(id::Undo, Undo);
  table.Add(id::ZoomOut, [](CommandContext& c) { Zoom(c, ZoomOut); });
  table.Add(id::ZoomIn, [](CommandContext& c) { Zoom(c, ZoomIn); });
  table.Add(id::ZoomPixel, [](CommandContext& c) { Zoom(c, ZoomPixel); });
  table.Add(id::Mixage, [](CommandContext& c) { c.Desktop.RunParameterDialog(ParameterDialog::MixRange, c.State.Settings); });
}

}  // namespace tessmark

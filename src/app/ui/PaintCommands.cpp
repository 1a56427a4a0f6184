#include "app/ui/PaintCommands.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/PaintCommand.h"
#include "paint/Fill.h"
#include "recipe/OperationTable.h"

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

// The whole picture in one colour: exactly, or mixed with the weight the last shape left.
void FillColor(CommandContext& c) {
  if (!c.RequirePicture()) return;
  tessmark::Picture& picture = *c.State.CurrentPicture;
  if (!c.CheckPictureSize(picture.Width, picture.Height)) return;
  const std::optional<ColorRef> chosen = c.Desktop.ChooseColor(0);
  if (!chosen) return;
  if (!c.TakeUndoSnapshot()) return;
  const bool full = c.Desktop.ShowMessage(FullMixQuestion(), MessageButtons::YesNo) == MessageAnswer::Yes;
  FillPicture(picture, ColorFromRef(*chosen), full, c.State.Connectable(), c.State.CurrentBlendWeight,
              PaintWorkers(c.State));
  RecordFill(c.State.PictureRecipe, c.State.Settings, ColorFromRef(*chosen), full, c.State.CurrentBlendWeight);
  c.RebuildDisplay();
}

void Zoom(CommandContext& c, void (*step)(ViewPosition&)) {
  const std::int32_t zoom = c.State.View.Zoom;
  step(c.State.View);
  c.ShowZoom(zoom);
}

}  // namespace

void RegisterPaintCommands(CommandTable& table) {
  namespace id = command_id;
  table.Add(id::Undo, Undo);
  table.Add(id::ZoomOut, [](CommandContext& c) { Zoom(c, ZoomOut); });
  table.Add(id::ZoomIn, [](CommandContext& c) { Zoom(c, ZoomIn); });
  table.Add(id::ZoomPixel, [](CommandContext& c) { Zoom(c, ZoomPixel); });
  table.Add(RowOf(OperationKind::Fill).CommandId, FillColor);
  for (const OperationRow& row : OperationRows()) {
    if (!row.HasDialog) continue;
    table.Add(row.CommandId, [operation = OperationCommand(row.Kind)](CommandContext& c) { PaintCommand(c, operation); });
  }
  table.Add(id::Mixage, [](CommandContext& c) { c.Desktop.RunParameterDialog(SettingsDialog::MixRange, c.State.Settings); });
}

}  // namespace tessmark

#include "app/ui/PaintCommands.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/PaintCommand.h"
#include "paint/Fill.h"
#include "paint/Generators.h"
#include "paint/PictureGenerators.h"

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

// A shape generator run on the record its dialog edits.
template <class Params>
PaintOperation Shapes(ParameterDialog dialog, Params Settings::*record, void (*generator)(PaintContext&, const Params&),
                      OperationKind kind) {
  return {dialog, true,
          [record, generator](CommandContext& c, PaintContext& paint) {
            generator(paint, c.State.Settings.*record);
            return GeneratorOutcome();
          },
          kind};
}

// A generator over picture files: a file that failed to load painted nothing and has its say.
GeneratorOutcome LoadOutcome(const std::optional<SourceLoadFailure>& failure) {
  if (!failure) return {};
  return {failure->Message, true};
}

GeneratorOutcome Tags(CommandContext& c, PaintContext& paint) {
  const Settings& s = c.State.Settings;
  return LoadOutcome(PaintTags(paint, s.Tag, s.CurrentBlendColor, c.State.ProgramDirectory));
}

GeneratorOutcome CircleMix(CommandContext& c, PaintContext& paint) {
  return LoadOutcome(PaintCircleMix(paint, c.State.Settings.CircleMix, c.State.ProgramDirectory));
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
  FillPicture(picture, ColorFromRef(*chosen), full, c.State.Connectable(), c.State.CurrentBlendWeight);
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
  table.Add(id::FillColor, FillColor);
  const auto add = [&table](int commandId, PaintOperation operation) {
    table.Add(commandId, [operation](CommandContext& c) { PaintCommand(c, operation); });
  };
  using K = OperationKind;
  add(id::Circle, Shapes(ParameterDialog::Circle, &Settings::Circle, PaintCircles, K::Circle));
  add(id::Rectangle, Shapes(ParameterDialog::Rectangle, &Settings::Rectangle, PaintRectangles, K::Rect));
  add(id::Polygon, Shapes(ParameterDialog::Polygon, &Settings::Polygon, PaintPolygons, K::Polygon));
  add(id::Vector, Shapes(ParameterDialog::Vector, &Settings::Vector, PaintVectors, K::Vector));
  add(id::Tag, {ParameterDialog::Tag, true, Tags, K::Tag});
  add(id::CircleMix, {ParameterDialog::CircleMix, true, CircleMix, K::CircleMix});
  table.Add(id::Mixage, [](CommandContext& c) { c.Desktop.RunParameterDialog(ParameterDialog::MixRange, c.State.Settings); });
}

}  // namespace tessmark

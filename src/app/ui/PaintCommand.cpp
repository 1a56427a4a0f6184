#include "app/ui/PaintCommand.h"

#include <new>

#include "app/CommandMessages.h"
#include "app/SessionKeeping.h"
#include "app/ui/LivePainting.h"
#include "recipe/OperationTable.h"

namespace tessmark {
namespace {

constexpr const char* DontShowInformation = "dontshowinformation1";

// Memory running out part way through leaves the picture and the weight as the command found them.
GeneratorOutcome GenerateWithinMemory(CommandContext& c, const PaintOperation& operation, PaintContext& paint) {
  const std::uint8_t weight = c.State.CurrentBlendWeight;
  try {
    return operation.Generate(c, paint);
  } catch (const std::bad_alloc&) {
    ReturnToUndoSnapshot(c.State);
    c.State.CurrentBlendWeight = weight;
    return {OutOfMemoryMessage(), true};
  }
}

}  // namespace

void ShowEscapeInformation(CommandContext& c) {
  if (c.Desktop.ReadSetting(DontShowInformation).value_or(0) == 1) return;
  const bool dontShowAgain = c.Desktop.ShowEscapeInformation();
  c.Desktop.WriteSetting(DontShowInformation, dontShowAgain ? 1 : 0);
}

PaintContext MakePaintContext(CommandContext& c, EscapePoll escapePressed) {
  Workspace& s = c.State;
  Platform& desktop = c.Desktop;
  return PaintContext{.Target = *s.CurrentPicture,
                      .Connectable = s.Connectable(),
                      .CurrentBlendWeight = s.CurrentBlendWeight,
                      .Random = s.Random,
                      .Palette = s.CurrentPalette,
                      .MixRange = s.Settings.MixRange,
                      .EscapePressed = std::move(escapePressed),
                      .Seed = [&desktop] { return desktop.CurrentTime(); },
                      .Workers = PaintWorkers(s)};
}

void RunGenerator(CommandContext& c, const PaintOperation& operation) {
  LivePainting live(c, operation.Kind);
  PaintContext paint = MakePaintContext(c, [&live] { return live.EscapePressed(); });
  paint.PictureWanted = [&live] { return live.PictureWanted(); };
  std::optional<std::uint32_t> seed;  // asked once painting starts; not at all when a load failed
  paint.Seed = [source = std::move(paint.Seed), &seed] { return *(seed = source()); };
  live.Progress = [&c, &seed, kind = operation.Kind](std::int64_t shapes, std::int64_t now) {
    if (seed) RecordRunProgress(c.State, kind, *seed, shapes, now);
  };
  GeneratorOutcome outcome;
  c.Desktop.RunBusy([&] { outcome = GenerateWithinMemory(c, operation, paint); });
  Workspace& s = c.State;
  if (!outcome.Message && seed) RecordRun(s.PictureRecipe, operation.Kind, s.Settings, s.CurrentPalette, *seed, paint.ShapesPainted);
  if (outcome.Message) c.Desktop.ShowMessage(*outcome.Message, MessageButtons::Ok);
  if (outcome.RebuildsDisplay) c.RebuildDisplay();
}

PaintOperation OperationCommand(OperationKind kind) {
  const OperationRow& row = RowOf(kind);
  return {kind, row.RemindsOfEscape, [&row](CommandContext& c, PaintContext& paint) {
            OperationStep step;
            step.Kind = row.Kind;
            step.Records = c.State.Settings;
            const OperationOutcome outcome = row.Run(paint, step, c.State.ProgramDirectory);
            // A picture file that failed to load painted nothing and has its say.
            if (outcome.Failure) return GeneratorOutcome{outcome.Failure->Message, true};
            return GeneratorOutcome{std::nullopt, outcome.Changed};
          }};
}

void PaintCommand(CommandContext& c, const PaintOperation& operation) {
  if (!c.RequirePicture()) return;
  if (!c.CheckPictureSize(c.State.CurrentPicture->Width, c.State.CurrentPicture->Height)) return;
  if (!c.Desktop.RunParameterDialog(operation.Kind, c.State.Settings)) return;
  if (operation.RemindsOfEscape) ShowEscapeInformation(c);
  if (!c.TakeUndoSnapshot()) return;
  RunGenerator(c, operation);
}

}  // namespace tessmark

#include "textureset/RecipeSet.h"

#include <utility>

#include "recipe/OperationTable.h"

namespace tessmark {

std::optional<Picture> RecipeStartPicture(const RecipeStart& start) {
  if (start.StartPicture) return ClonePicture(*start.StartPicture);
  return CreatePicture(start.Width, start.Height);
}

RepaintOutcome RepaintRecipe(const Recipe& recipe, Picture& picture, std::span<MapLayer> maps,
                             const RepaintHooks& hooks) {
  RepaintOutcome outcome;
  std::uint8_t weight = 255;  // carried from step to step, as a mixed fill reads it
  RandomValue random;
  for (const OperationStep& step : recipe.Steps) {
    if (hooks.StepStarts) hooks.StepStarts(step.Kind);
    bool first = true;  // every generator discards the press that may precede it
    PaintContext context{.Target = picture,
                         .Connectable = step.Records.Config.Connectable != 0,
                         .CurrentBlendWeight = weight,
                         .Random = random,
                         .Palette = step.Palette,
                         .MixRange = step.Records.MixRange,
                         .EscapePressed =
                             [&] {
                               const bool pressed = hooks.EscapePressed();
                               outcome.Stopped |= pressed && !std::exchange(first, false);
                               return pressed;
                             },
                         .Seed = [seed = step.Seed.value_or(0)] { return seed; },
                         .PictureWanted = hooks.PictureWanted,
                         .Maps = maps};
    outcome.Failure = RowOf(step.Kind).Run(context, step, hooks.ProgramDirectory).Failure;
    if (outcome.Failure || outcome.Stopped) break;
  }
  return outcome;
}

}  // namespace tessmark

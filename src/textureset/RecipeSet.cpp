#include "textureset/RecipeSet.h"

#include <system_error>
#include <utility>

#include "recipe/OperationTable.h"
#include "textureset/PictureSetFile.h"
#include "textureset/TextureSet.h"

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
                         .Maps = maps,
                         .Workers = hooks.Workers};
    outcome.Failure = RowOf(step.Kind).Run(context, step, hooks.ProgramDirectory).Failure;
    if (outcome.Failure || outcome.Stopped) break;
  }
  return outcome;
}

namespace {

std::string WritePng(std::span<const OutputPicture> outputs) {
  const PictureSetWrite write = WritePictureSet(outputs, FindPictureFormat(PictureFormatId::Png));
  if (write.Error == 0) return {};
  return Concat("Cannot write ", write.Failed->Path, ": ", std::generic_category().message(write.Error));
}

}  // namespace

std::string PaintTextureSet(const Recipe& recipe, std::span<const MapRequest> requests, const std::string& path,
                            const RepaintHooks& hooks, bool& stopped) {
  if (std::string error = CheckMapRequests(requests, path); !error.empty()) return error;
  const Parsed<std::vector<MapColors>> colors = LoadMapColors(requests);
  if (!colors) return colors.Error;
  std::size_t k = 0;
  for (const MapRequest& request : requests) {
    if (request.Type == MapRequest::Kind::Normal) continue;
    const std::string label = Concat("Map ", request.Name);
    if (std::string error = CheckStandIn(recipe.Steps, (*colors.Value)[k++], label, request.PaletteFile); !error.empty()) return error;
  }
  std::optional<Picture> picture = RecipeStartPicture(recipe.Start);
  if (!picture) return "Not enough memory for the picture";
  Parsed<std::vector<Picture>> maps = StartMaps(requests, *picture);
  if (!maps) return maps.Error;
  std::vector<MapLayer> layers = MapLayers(requests, *maps.Value, *colors.Value);
  const RepaintOutcome outcome = RepaintRecipe(recipe, *picture, layers, hooks);
  stopped = outcome.Stopped;
  if (outcome.Failure) return Concat("Cannot read ", outcome.Failure->Path);
  if (stopped) return {};
  const bool connectable = recipe.Steps.empty() || recipe.Steps.back().Records.Config.Connectable != 0;
  return WriteTextureSet(requests, path, *picture, *maps.Value, connectable, WritePng);
}

}  // namespace tessmark

#include "journal/StepReplay.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "imageio/PictureOverWhite.h"

namespace tessmark {

Parsed<Picture> EntryStartPicture(const JournalEntry& entry, const std::string& programDirectory) {
  if (entry.StartPicture.empty()) {
    std::optional<Picture> white = CreatePicture(entry.Width, entry.Height);
    if (!white) return Parsed<Picture>::Fail("not enough memory for its picture");
    return {std::move(white), {}};
  }
  PictureOverWhiteRead read = ReadPictureOverWhite(entry.StartPicture, programDirectory);
  if (!read.Picture) {
    const int error = read.OutOfMemory ? ENOMEM : read.Error;
    return Parsed<Picture>::Fail(Concat("cannot read its start picture ", entry.StartPicture,
                                        error != 0 ? ": " + std::generic_category().message(error) : std::string()));
  }
  if (read.Picture->Width != entry.Width || read.Picture->Height != entry.Height)
    return Parsed<Picture>::Fail("its start picture is not of its size");
  return {std::move(read.Picture), {}};
}

OperationOutcome RunRecordedStep(Picture& picture, const OperationStep& step, ReplayHooks& hooks) {
  PaintContext context{.Target = picture,
                       .Connectable = step.Records.Config.Connectable != 0,
                       .CurrentBlendWeight = hooks.CurrentBlendWeight,
                       .Random = hooks.Random,
                       .Palette = step.Palette,
                       .MixRange = step.Records.MixRange,
                       .EscapePressed = hooks.EscapePressed,
                       .Seed = [seed = step.Seed.value_or(0)] { return seed; },
                       .PictureWanted = hooks.PictureWanted};
  return RowOf(step.Kind).Run(context, step, hooks.ProgramDirectory);
}

Recipe EntryRecipe(const JournalEntry& entry, const Picture& start, std::size_t steps) {
  Recipe recipe = WhiteRecipe(entry.Width, entry.Height);
  if (entry.StartKept) recipe = TakenInRecipe(start);
  else recipe.Start.StartFile = entry.StartPicture;
  const auto end = entry.Steps.begin() + static_cast<std::ptrdiff_t>(std::min(steps, entry.Steps.size()));
  recipe.Steps.assign(entry.Steps.begin(), end);
  return recipe;
}

}  // namespace tessmark

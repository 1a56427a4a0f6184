#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "imageio/PictureSources.h"
#include "paint/PaintContext.h"
#include "recipe/Recipe.h"
#include "textureset/MapRequest.h"

namespace tessmark {

// What a repainting of a recipe asks of its caller.
struct RepaintHooks {
  std::function<void(OperationKind)> StepStarts;  // before each step, for the progress shown
  EscapePoll EscapePressed;                // asked before and after every shape
  std::function<bool()> PictureWanted;     // as PaintContext's
  std::string ProgramDirectory;            // where picture files without a folder are
  WorkerPool* Workers = nullptr;           // as PaintContext's
};

struct RepaintOutcome {
  std::optional<SourceLoadFailure> Failure;
  bool Stopped = false;  // Escape ended a run: the pictures are not what the recipe makes
};

// The recipe's start: its start picture, or a white one of its size; nothing when memory lacks.
std::optional<Picture> RecipeStartPicture(const RecipeStart& start);

// Paints every step of the recipe again on picture and along with it on the maps, each step seeded
// as recorded, and stops at the first failure or Escape.
RepaintOutcome RepaintRecipe(const Recipe& recipe, Picture& picture, std::span<MapLayer> maps,
                             const RepaintHooks& hooks);

// Paints the recipe again with the maps, then writes the picture to path (PNG) and every map beside
// it, all or none. Returns why it could not, or nothing; a run Escape stopped writes nothing and
// sets stopped.
std::string PaintTextureSet(const Recipe& recipe, std::span<const MapRequest> requests, const std::string& path,
                            const RepaintHooks& hooks, bool& stopped);

}  // namespace tessmark

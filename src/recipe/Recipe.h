#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "palette/Palette.h"
#include "picture/Picture.h"
#include "recipe/Operation.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// How a picture began: a white picture of a size, or a picture taken in (kept whole, shared by
// the undo snapshot's copy of the recipe rather than copied again).
struct RecipeStart {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::shared_ptr<const Picture> StartPicture;  // none: white
  std::string StartFile;  // a start picture named by its file rather than kept (the command line's)
  bool Unknown = false;  // the start picture did not fit in memory: the recipe cannot be written
};

// What made a picture: its start and, in order, every command that changed it since, each with
// everything it ran with, so that the recipe never depends on what came before it.
struct Recipe {
  RecipeStart Start;
  std::vector<OperationStep> Steps;
};

// The recipe of a new white picture.
Recipe WhiteRecipe(std::int32_t width, std::int32_t height);

// The recipe of a picture taken in, with a copy of it (Unknown when the copy does not fit).
Recipe TakenInRecipe(const Picture& start);

// One entry per command, nothing per shape. settings and palette are those the command ran with.
// A shape run records the shapes it went through as its count (a run stopped by Escape is
// repeated by that count), the seed it drew from; a fill its colour and the weight a mixed fill
// used; the noise filter the seed a germe of 0 takes.
// A noise too weak to change anything is not recorded.
void RecordRun(Recipe& recipe, OperationKind kind, const Settings& settings, const Palette& palette,
               std::uint32_t seed, std::int64_t shapesPainted);
void RecordFill(Recipe& recipe, const Settings& settings, Color color, bool full, std::uint8_t weight);

// What the comment header says besides the picture's size.
struct RecipeHeader {
  std::string Program;   // name and version of the program that wrote it
  std::string Written;   // the date and time
  std::string FileName;  // the recipe file's own name, for the command that runs it
};

// seconds since the epoch as a header writes them: "YYYY-MM-DD HH:MM:SS UTC".
std::string UtcText(std::int64_t seconds);

// The recipe as a response file for tessmark: the comment header, --size or --input startPath
// (absolute, quoted where needed), then one operation a line with all its keys.
std::string RecipeText(const Recipe& recipe, const RecipeHeader& header, const std::string& startPath);

// The same without the comment header: what a picture file carries.
std::string RecipeLines(const Recipe& recipe, const std::string& startPath);

// Those lines as a picture in folder carries them: every path in them from that folder.
std::string CarriedRecipe(std::string_view lines, const std::string& folder);

// Where the start picture of a recipe file goes: NAME-start, a lossless picture file, beside NAME.txt.
std::string StartPicturePath(const std::string& recipePath);

// Writes the recipe file and, when there is one, its start picture (lossless): both whole, or
// neither and the earlier ones as they were. Returns 0 or the errno of the failure with
// failedPath set.
int SaveRecipe(const std::string& path, const Recipe& recipe, const RecipeHeader& header, std::string& failedPath);

}  // namespace tessmark

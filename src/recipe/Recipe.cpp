#include "recipe/Recipe.h"

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <limits>

#include "files/FileBatch.h"
#include "imageio/PictureWrite.h"
#include "paint/Noise.h"
#include "recipe/OperationTable.h"
#include "recipe/Quoting.h"
#include "recipe/RecipePaths.h"
#include "recipe/ResponseFile.h"

namespace tessmark {
namespace {

// Start pictures are kept lossless, and a recipe's pictures are suggested in the same format.
const PictureFormat& StartFormat() { return FindPictureFormat(PictureFormatId::Png); }

OperationStep StepOf(OperationKind kind, const Settings& settings) {
  OperationStep step;
  step.Kind = kind;
  step.Records = settings;
  return step;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

}  // namespace

Recipe WhiteRecipe(std::int32_t width, std::int32_t height) { return {{width, height, nullptr, {}, false}, {}}; }

Recipe TakenInRecipe(const Picture& start) {
  std::optional<Picture> copy = ClonePicture(start);
  if (!copy) return {{start.Width, start.Height, nullptr, {}, true}, {}};
  return {{start.Width, start.Height, std::make_shared<const Picture>(std::move(*copy)), {}, false}, {}};
}

void RecordRun(Recipe& recipe, OperationKind kind, const Settings& settings, const Palette& palette,
               std::uint32_t seed, std::int64_t shapesPainted) {
  if (kind == OperationKind::Noise && NoiseAmplitude(settings.Noise.Percent) == 0) return;
  OperationStep step = StepOf(kind, settings);
  step.Palette = palette;
  step.Seed = seed;
  if (const auto countOf = RowOf(kind).Count) {
    *countOf(step.Records) = static_cast<std::int32_t>(std::min<std::int64_t>(shapesPainted, std::numeric_limits<std::int32_t>::max()));
  }
  recipe.Steps.push_back(std::move(step));
}

void RecordFill(Recipe& recipe, const Settings& settings, Color color, bool full, std::uint8_t weight) {
  OperationStep step = StepOf(OperationKind::Fill, settings);
  step.FillColor = color;
  step.FillFull = full;
  step.FillWeight = weight;
  recipe.Steps.push_back(std::move(step));
}

std::string UtcText(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&time, &utc);
  char text[32] = {};
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
  return text;
}

std::string RecipeText(const Recipe& recipe, const RecipeHeader& header, const std::string& startPath) {
  const RecipeStart& start = recipe.Start;
  return Concat("# Recipe of a picture, written by ", header.Program, " on ", header.Written, "\n",
                "# Picture: ", std::to_string(start.Width), "x", std::to_string(start.Height), "\n",
                "# Run it with: tessmark -o picture.", StartFormat().Extensions.front(), " @",
                QuoteWhereNeeded(header.FileName), "\n", RecipeLines(recipe, startPath));
}

std::string RecipeLines(const Recipe& recipe, const std::string& startPath) {
  const RecipeStart& start = recipe.Start;
  const std::string& startFile = start.StartPicture ? startPath : start.StartFile;
  std::string text = startFile.empty()
                         ? Concat("--size ", std::to_string(start.Width), "x", std::to_string(start.Height), "\n")
                         : Concat("--input ", QuoteWhereNeeded(AbsolutePath(startFile)), "\n");
  for (const OperationStep& step : recipe.Steps) text += WriteOperation(step) + "\n";
  return text;
}

std::string CarriedRecipe(std::string_view lines, const std::string& folder) {
  const PathSpelling spell = [&folder](const std::string& path) { return PathFromFolder(path, folder); };
  std::string text;
  for (const std::string_view line : SplitOutsideQuotes(lines, '\n')) {
    const Parsed<std::vector<std::string>> words = ResponseFileWords(line, "recipe");
    if (!words || words.Value->empty()) continue;
    std::string joined;
    for (const std::string& word : RespellPaths(*words.Value, spell)) joined += Concat(joined.empty() ? "" : " ", word);
    text += joined + "\n";
  }
  return text;
}

std::string StartPicturePath(const std::string& recipePath) {
  std::filesystem::path path(recipePath);
  const std::string stem = path.stem().string();
  return path.replace_filename(Concat(stem, "-start.", StartFormat().Extensions.front())).string();
}

// The recipe file goes first: its checks are cheap and refuse the export before the start picture
// is encoded.
int SaveRecipe(const std::string& path, const Recipe& recipe, const RecipeHeader& header, std::string& failedPath) {
  if (recipe.Start.Unknown) return ENOMEM;
  const std::string startPath = StartPicturePath(path);
  const std::string text = RecipeText(recipe, header, startPath);
  FileBatch batch;
  int error = batch.Add(path, WritingBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
  if (error == 0 && recipe.Start.StartPicture) {
    error = batch.Add(startPath, PictureProducer(*recipe.Start.StartPicture, StartFormat()));
    if (error == ECANCELED) {
      failedPath = startPath;
      return ENOMEM;
    }
  }
  if (error == 0) error = batch.Commit();
  if (error != 0) failedPath = batch.FailedPath();
  return error;
}

}  // namespace tessmark

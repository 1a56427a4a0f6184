#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "recipe/PngRecipe.h"
#include "recipe/RecipePaths.h"
#include "recipe/ResponseFile.h"

// PNG files of any content: a recipe read is bounded, and its words take new paths without harm.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tessmark::Parsed<std::string> recipe = tessmark::ReadPngRecipe({data, size});
  if (recipe.Value.has_value() != recipe.Error.empty()) std::abort();
  if (!recipe) return 0;
  if (recipe.Value->size() > tessmark::MaxPngRecipeBytes) std::abort();
  const auto words = tessmark::ResponseFileWords(*recipe.Value, "fuzz.png");
  const auto inFolder = [](const std::string& path) { return tessmark::PathInFolder(path, "/d"); };
  if (words) tessmark::RespellPaths(*words.Value, inFolder);
  return 0;
}

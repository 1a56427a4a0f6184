#include "recipe/RecipeReading.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "files/FileBytes.h"
#include "recipe/Operation.h"
#include "recipe/PngRecipe.h"
#include "recipe/Quoting.h"
#include "recipe/ResponseFile.h"

namespace tessmark {
namespace {

using Read = Parsed<Recipe>;

// The start the recipe names, checked against the picture it is carried in.
std::string ReadStart(const std::string& option, std::string_view quoted, Recipe& recipe) {
  const Parsed<std::string> value = Unquote(quoted);
  if (!value) return value.Error;
  if (option == "--input") {
    std::error_code error;
    if (!std::filesystem::is_regular_file(*value.Value, error)) return Concat("its start picture ", *value.Value, " is gone");
    recipe.Start.StartFile = *value.Value;
    return {};
  }
  const Parsed<WidthHeight> size = ParseSize(*value.Value);
  if (!size) return size.Error;
  if (size.Value->Width != recipe.Start.Width || size.Value->Height != recipe.Start.Height)
    return "it paints a picture of another size";
  return {};
}

}  // namespace

Parsed<Recipe> CarriedRecipeOf(const std::string& picturePath, std::int32_t width, std::int32_t height) {
  bool whole = false;
  if (!StartsAsPng(ReadFileStart(picturePath, 8, whole).Bytes)) return Read::Fail("carries no recipe");
  const Parsed<std::vector<std::string>> words = ExpandResponseFiles(std::vector<std::string>{"@" + picturePath});
  if (!words) return Read::Fail(words.Error);
  Recipe recipe = WhiteRecipe(width, height);
  OperationStep step;
  for (std::size_t k = 0; k < words.Value->size(); ++k) {
    const std::string& word = (*words.Value)[k];
    if (word == "--size" || word == "--input") {
      if (k + 1 == words.Value->size()) return Read::Fail(Concat(word, " without its value"));
      if (std::string error = ReadStart(word, (*words.Value)[++k], recipe); !error.empty()) return Read::Fail(error);
      continue;
    }
    const Parsed<Operation> operation = ParseOperation(word);
    if (!operation) return Read::Fail(operation.Error);
    ApplyOperation(*operation.Value, step);
    recipe.Steps.push_back(step);
  }
  return {std::move(recipe), {}};
}

}  // namespace tessmark

#include "imageio/ui/PictureExportCommand.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/SaveDialog.h"
#include "imageio/PictureWrite.h"
#include "imageio/ui/ExportChecks.h"
#include "imageio/ui/PictureFileFilters.h"
#include "recipe/Recipe.h"

namespace tessmark {
namespace {

UserMessage ExportFailure(const PictureFormat& format, const std::string& path, int error) {
  if (!format.ExportFailure.empty()) return MainMessage(std::string(format.ExportFailure));
  if (error == ECANCELED) error = ENOMEM;  // the encoder fails only for want of memory
  return MainMessage("Cannot write " + path + ": " + std::generic_category().message(error));
}

// Set to 1 in the settings store, exported pictures go without their recipe.
constexpr const char* PngWithoutRecipe = "pngwithoutrecipe";

// A start picture taken in (an import, a paste) is named by the session journal's copy of it; one
// kept only in memory has no file the recipe could name.
std::string RecipeToCarry(CommandContext& c, const std::string& path) {
  const Recipe& recipe = c.State.PictureRecipe;
  if (c.Desktop.ReadSetting(PngWithoutRecipe).value_or(0) == 1 || recipe.Start.Unknown) return {};
  std::string startPath;
  if (recipe.Start.StartPicture) {
    const std::optional<std::string> copy = c.State.Journal.StartCopy(recipe);
    std::error_code error;
    if (!copy || !std::filesystem::is_regular_file(*copy, error)) return {};
    startPath = *copy;
  }
  return CarriedRecipe(RecipeLines(recipe, startPath), std::filesystem::path(path).parent_path().string());
}

void ExportPicture(CommandContext& c, PictureFormatId id) {
  if (!CheckPictureToExport(c)) return;
  const PictureFormat& format = FindPictureFormat(id);
  const std::optional<std::string> path = AskSavePath(c.Desktop, {ExportFilter(format), true}, MainCaption);
  if (!path) return;
  const std::string recipe = format.WriteWithRecipe != nullptr ? RecipeToCarry(c, *path) : std::string();
  if (const int error = WritePictureFile(*path, *c.State.CurrentPicture, format, {}, recipe); error != 0)
    c.Desktop.ShowMessage(ExportFailure(format, *path, error), MessageButtons::Ok);
}

}  // namespace

void RegisterPictureExportCommands(CommandTable& table) {
  table.Add(command_id::ExportJpeg, [](CommandContext& c) { ExportPicture(c, PictureFormatId::Jpeg); });
  table.Add(command_id::ExportPng, [](CommandContext& c) { ExportPicture(c, PictureFormatId::Png); });
}

}  // namespace tessmark

#include "recipe/ui/RecipeExportCommand.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/SaveDialog.h"
#include "base/Version.h"
#include "imageio/ui/ExportChecks.h"
#include "recipe/Recipe.h"

namespace tessmark {
namespace {

void ExportRecipe(CommandContext& c) {
  if (!CheckPictureToExport(c)) return;
  const Recipe& recipe = c.State.PictureRecipe;
  if (recipe.Start.Unknown) {
    c.Desktop.ShowMessage(MainMessage("The recipe of this picture is not known: its start picture did not fit in "
                                      "memory when it was taken in."),
                          MessageButtons::Ok);
    return;
  }
  const std::optional<std::string> path = AskSavePath(c.Desktop, {"*.txt|*.txt|", true}, MainCaption);
  if (!path) return;
  const RecipeHeader header{std::string("vornade ") + ProgramVersion, UtcText(std::time(nullptr)),
                            std::filesystem::path(*path).filename().string()};
  std::string failedPath;
  if (const int error = SaveRecipe(*path, recipe, header, failedPath); error != 0) {
    c.Desktop.ShowMessage(MainMessage("Cannot write " + failedPath + ": " + std::generic_category().message(error)),
                          MessageButtons::Ok);
  }
}

}  // namespace

void RegisterRecipeExportCommand(CommandTable& table) { table.Add(command_id::ExportRecipe, ExportRecipe); }

}  // namespace tessmark

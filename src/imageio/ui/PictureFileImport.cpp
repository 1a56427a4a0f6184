#include "imageio/ui/PictureFileImport.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "imageio/PictureFile.h"
#include "imageio/PictureOverWhite.h"
#include "imageio/ui/PictureFileFilters.h"
#include "recipe/RecipeReading.h"

namespace tessmark {
namespace {

std::string Accepted() { return "a " + ReadExtensions() + " picture file"; }

// The file's picture, or nothing after telling the user why not.
std::optional<Picture> ReadPicture(CommandContext& c, const std::string& path) {
  if (!IsPictureFileName(path)) {
    c.Desktop.ShowMessage(MainMessage(path + " cannot be opened: choose " + Accepted() + "."), MessageButtons::Ok);
    return std::nullopt;
  }
  PictureOverWhiteRead read = ReadPictureOverWhite(path, c.State.ProgramDirectory);
  if (read.Picture) return std::move(read.Picture);
  if (read.OutOfMemory)
    c.Desktop.ShowMessage(MainMessage("Not enough memory for the picture of " + path + "; the current picture is kept."),
                          MessageButtons::Ok);
  else if (read.Message)
    c.Desktop.ShowMessage(*read.Message, MessageButtons::Ok);
  else
    c.Desktop.ShowMessage(MainMessage(path + " cannot be read: it is damaged, or too large a picture."),
                          MessageButtons::Ok);
  return std::nullopt;
}

void ChoosePictureFile(CommandContext& c) {
  const std::optional<std::string> path = c.Desktop.OpenFileName({PictureFilesFilter(), false});
  if (path) ImportPictureFile(c, *path);
}

}  // namespace

void ImportPictureFile(CommandContext& c, const std::string& path) {
  std::optional<Picture> picture = ReadPicture(c, path);
  if (!picture || !c.CheckPictureSize(picture->Width, picture->Height) || !c.TakeUndoSnapshot()) return;
  const std::int32_t width = picture->Width, height = picture->Height;
  StartTakenInPicture(c.State, std::move(*picture));
  // A picture that says how it was painted goes on from that recipe, so that a later recipe export
  // paints its whole history again.
  if (Parsed<Recipe> carried = CarriedRecipeOf(path, width, height)) c.State.PictureRecipe = std::move(*carried.Value);
  c.ResetView();
  c.RebuildDisplay();
}

void ImportDroppedFiles(CommandContext& c, const std::vector<std::string>& paths) {
  if (paths.size() == 1) return ImportPictureFile(c, paths.front());
  c.Desktop.ShowMessage(MainMessage("Drop one file at a time: " + Accepted() + "."), MessageButtons::Ok);
}

void RegisterPictureFileImportCommand(CommandTable& table) {
  table.Add(command_id::ImportPictureFile, ChoosePictureFile);
}

}  // namespace tessmark

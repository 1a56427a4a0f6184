#include "imageio/ui/JpegExportCommand.h"

#include <filesystem>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "imageio/JpegExport.h"
#include "imageio/ui/ExportChecks.h"

namespace tessmark {
namespace {

// The save dialog asked about the name as typed; a file the added ".jpg" would replace has not been
// asked about yet.
bool MayWrite(CommandContext& c, const std::string& chosen, const std::string& path) {
  std::error_code ignored;
  if (path == chosen || !std::filesystem::exists(path, ignored)) return true;
  const UserMessage question =
      MainMessage(path + " already exists.\nDo you want to replace it?", MessageIcon::Exclamation);
  return c.Desktop.ShowMessage(question, MessageButtons::YesNo) == MessageAnswer::Yes;
}

void ExportJpeg(CommandContext& c) {
  if (!CheckPictureToExport(c)) return;
  const std::optional<std::string> chosen = c.Desktop.SaveFileName({"*.jpg|*.jpg|", true});
  if (!chosen) return;
  const std::string path = MakeJpegPath(*chosen);
  if (!MayWrite(c, *chosen, path)) return;
  if (!WriteJpegFile(path, *c.State.CurrentPicture))
    c.Desktop.ShowMessage(MainMessage("Erreur exportation"), MessageButtons::Ok);
}

}  // namespace

void RegisterJpegExportCommand(CommandTable& table) { table.Add(command_id::ExportJpeg, ExportJpeg); }

}  // namespace tessmark

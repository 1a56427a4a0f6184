#include "imageio/ui/JpegExportCommand.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/SaveDialog.h"
#include "imageio/JpegExport.h"
#include "imageio/ui/ExportChecks.h"

namespace tessmark {
namespace {

void ExportJpeg(CommandContext& c) {
  if (!CheckPictureToExport(c)) return;
  const std::optional<std::string> path = AskSavePath(c.Desktop, {"*.jpg|*.jpg|", true}, MainCaption);
  if (!path) return;
  if (!WriteJpegFile(*path, *c.State.CurrentPicture))
    c.Desktop.ShowMessage(MainMessage("Erreur exportation"), MessageButtons::Ok);
}

}  // namespace

void RegisterJpegExportCommand(CommandTable& table) { table.Add(command_id::ExportJpeg, ExportJpeg); }

}  // namespace tessmark

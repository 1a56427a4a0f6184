#include "imageio/ui/PngExportCommand.h"

#include <system_error>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/SaveDialog.h"
#include "imageio/PngExport.h"
#include "imageio/ui/ExportChecks.h"

namespace tessmark {
namespace {

void ExportPng(CommandContext& c) {
  if (!CheckPictureToExport(c)) return;
  const std::optional<std::string> path = AskSavePath(c.Desktop, {"*.png|*.png|", true}, MainCaption);
  if (!path) return;
  if (const int error = WritePngFile(*path, *c.State.CurrentPicture); error != 0)
    c.Desktop.ShowMessage(MainMessage("Cannot write " + *path + ": " + std::generic_category().message(error)),
                          MessageButtons::Ok);
}

}  // namespace

void RegisterPngExportCommand(CommandTable& table) { table.Add(command_id::ExportPng, ExportPng); }

}  // namespace tessmark

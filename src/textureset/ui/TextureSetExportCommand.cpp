#include "textureset/ui/TextureSetExportCommand.h"

#include <QApplication>
#include <optional>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/LivePainting.h"
#include "imageio/ui/ExportChecks.h"
#include "textureset/RecipeSet.h"
#include "textureset/ui/TextureSetDialog.h"

namespace tessmark {
namespace {

void ExportTextureSet(CommandContext& c) {
  if (!CheckPictureToExport(c)) return;
  const Recipe& recipe = c.State.PictureRecipe;
  if (recipe.Start.Unknown) {
    c.Desktop.ShowMessage(MainMessage("The texture set of this picture cannot be painted: its start picture did "
                                      "not fit in memory when it was taken in."),
                          MessageButtons::Ok);
    return;
  }
  TextureSetDialog dialog(QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return;
  std::optional<LivePainting> live;
  const RepaintHooks hooks{.StepStarts = [&](OperationKind kind) { live.emplace(c, kind); },
                           .EscapePressed = [&] { return live->EscapePressed(); },
                           .PictureWanted = [&] { return live->PictureWanted(); },
                           .ProgramDirectory = c.State.ProgramDirectory,
                           .Workers = PaintWorkers(c.State)};
  std::string error;
  bool stopped = false;
  c.Desktop.RunBusy([&] { error = PaintTextureSet(recipe, dialog.Maps(), dialog.PicturePath(), hooks, stopped); });
  if (!error.empty()) c.Desktop.ShowMessage(MainMessage(error), MessageButtons::Ok);
  c.RebuildDisplay();
}

}  // namespace

void RegisterTextureSetExportCommand(CommandTable& table) { table.Add(command_id::ExportTextureSet, ExportTextureSet); }

}  // namespace tessmark

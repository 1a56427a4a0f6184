#include "app/ui/CommandTable.h"

#include "app/config/ui/ConfigDialogCommands.h"
#include "app/ui/ConfigurationCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/FilterCommands.h"
#include "app/ui/PaintCommands.h"
#include "imageio/ui/ClipboardCommands.h"
#include "imageio/ui/JpegExportCommand.h"
#include "imageio/ui/PictureFileImport.h"
#include "imageio/ui/PngExportCommand.h"
#include "imageio/ui/PreviewCommand.h"
#include "palette/ui/PaletteCommand.h"
#include "recipe/ui/RecipeExportCommand.h"

namespace tessmark {

void RegisterAllCommands(CommandTable& table) {
  RegisterFileCommands(table);
  RegisterPaintCommands(table);
  RegisterFilterCommands(table);
  RegisterConfigurationCommands(table);
  RegisterConfigDialogCommands(table);
  RegisterPaletteCommand(table);
  RegisterClipboardCommands(table);
  RegisterJpegExportCommand(table);
  RegisterPngExportCommand(table);
  RegisterRecipeExportCommand(table);
  RegisterPictureFileImportCommand(table);
  RegisterPreviewCommand(table);
}

}  // namespace tessmark

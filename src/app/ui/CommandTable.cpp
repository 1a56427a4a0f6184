#include "app/ui/CommandTable.h"

#include "app/ui/ConfigurationFileCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/PaintCommands.h"
#include "app/ui/PaintingSettingsCommands.h"
#include "imageio/ui/ClipboardCommands.h"
#include "imageio/ui/PictureExportCommand.h"
#include "imageio/ui/PictureFileImport.h"
#include "journal/ui/SessionsCommand.h"
#include "palette/ui/PaletteCommand.h"
#include "preview/ui/PreviewCommand.h"
#include "recipe/ui/RecipeExportCommand.h"
#include "textureset/ui/TextureSetExportCommand.h"

namespace tessmark {

void RegisterAllCommands(CommandTable& table) {
  RegisterFileCommands(table);
  RegisterPaintCommands(table);
  RegisterConfigurationFileCommands(table);
  RegisterPaintingSettingsCommands(table);
  RegisterPaletteCommand(table);
  RegisterClipboardCommands(table);
  RegisterPictureExportCommands(table);
  RegisterRecipeExportCommand(table);
  RegisterTextureSetExportCommand(table);
  RegisterPictureFileImportCommand(table);
  RegisterPreviewCommand(table);
  RegisterSessionsCommand(table);
}

}  // namespace tessmark

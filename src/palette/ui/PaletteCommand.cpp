#include "palette/ui/PaletteCommand.h"

#include <QApplication>

#include "app/CommandIds.h"
#include "palette/ui/cdpalette.h"

namespace tessmark {

void RegisterPaletteCommand(CommandTable& table) {
  table.Add(command_id::Palette, [](CommandContext& c) {
    cdpalette editor(c.State.CurrentPalette, c.Desktop, QApplication::activeWindow());
    editor.exec();
  });
}

}  // namespace tessmark

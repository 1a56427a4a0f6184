#include "palette/ui/PaletteCommand.h"

#include <QApplication>

#include "app/CommandIds.h"
#include "palette/ui/PaletteEditor.h"

namespace tessmark {

void RegisterPaletteCommand(CommandTable& table) {
  table.Add(command_id::Palette, [](CommandContext& c) {
    PaletteEditor editor(c.State.CurrentPalette, c.Desktop, QApplication::activeWindow());
    editor.exec();
  });
}

}  // namespace tessmark

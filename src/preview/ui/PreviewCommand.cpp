#include "preview/ui/PreviewCommand.h"

#include <QApplication>

#include "app/CommandIds.h"
#include "preview/ui/TilePreview.h"

namespace tessmark {

void RegisterPreviewCommand(CommandTable& table) {
  table.Add(command_id::Preview, [](CommandContext& c) {
    const std::optional<Picture>& picture = c.State.CurrentPicture;
    TilePreview preview(picture ? &*picture : nullptr, QApplication::activeWindow());
    preview.exec();
  });
}

}  // namespace tessmark

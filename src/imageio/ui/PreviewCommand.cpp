#include "imageio/ui/PreviewCommand.h"

#include <QApplication>

#include "app/CommandIds.h"
#include "imageio/ui/cdpreview.h"

namespace tessmark {

void RegisterPreviewCommand(CommandTable& table) {
  table.Add(command_id::Preview, [](CommandContext& c) {
    const std::optional<Picture>& picture = c.State.CurrentPicture;
    cdpreview preview(picture ? &*picture : nullptr, QApplication::activeWindow());
    preview.exec();
  });
}

}  // namespace tessmark

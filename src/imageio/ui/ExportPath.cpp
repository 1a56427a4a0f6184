#include "imageio/ui/ExportPath.h"

#include <filesystem>

#include "app/CommandMessages.h"
#include "imageio/ExportPath.h"

namespace tessmark {

std::optional<std::string> ChooseExportPath(CommandContext& c, const std::string& filter, std::string_view extension) {
  const std::optional<std::string> chosen = c.Desktop.SaveFileName({filter, true});
  if (!chosen) return std::nullopt;
  std::string path = WithDefaultExtension(*chosen, extension);
  std::error_code ignored;
  if (path == *chosen || !std::filesystem::exists(path, ignored)) return path;
  const UserMessage question =
      MainMessage(path + " already exists.\nDo you want to replace it?", MessageIcon::Exclamation);
  if (c.Desktop.ShowMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes) return std::nullopt;
  return path;
}

}  // namespace tessmark

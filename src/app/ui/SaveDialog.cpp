#include "app/ui/SaveDialog.h"

#include <filesystem>

#include "app/FileFilter.h"

namespace tessmark {

std::optional<std::string> AskSavePath(Platform& desktop, const FileDialogRequest& request, const std::string& caption) {
  const std::optional<SaveChoice> chosen = desktop.SaveFile(request);
  if (!chosen) return std::nullopt;
  std::string path = WithFilterExtension(chosen->Path, chosen->Pattern);
  std::error_code ignored;
  if (path == chosen->Path || !request.PromptOverwrite || !std::filesystem::exists(path, ignored)) return path;
  const UserMessage question{path + " already exists.\nDo you want to replace it?", caption, MessageIcon::Exclamation};
  if (desktop.ShowMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes) return std::nullopt;
  return path;
}

}  // namespace tessmark

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/ui/CommandContext.h"

namespace tessmark {

// The file an export writes: the save dialog with its filter and overwrite prompt, the extension
// appended to a name typed without one, and then, since the dialog asked only about the name as
// typed, a question before an existing file of the appended name is replaced. Nothing when the
// user cancels or answers No.
std::optional<std::string> ChooseExportPath(CommandContext& c, const std::string& filter, std::string_view extension);

}  // namespace tessmark

#pragma once

#include <optional>
#include <string>

#include "app/ui/Platform.h"

namespace tessmark {

// Asks for the name of a file to write. A name typed without extension gets the one of the filter
// selected; replacing an existing file of that name is asked about first (under caption), since the
// dialog asked only about the name as typed. Nothing when the user cancels or declines.
std::optional<std::string> AskSavePath(Platform& desktop, const FileDialogRequest& request, const std::string& caption);

}  // namespace tessmark

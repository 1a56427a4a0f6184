#pragma once

#include <string>
#include <string_view>

namespace tessmark {

// The chosen path with the extension (".jpg", ".png") appended when its file name has none (no
// dot); a name with any extension is kept as it is.
std::string WithDefaultExtension(const std::string& chosenPath, std::string_view extension);

}  // namespace tessmark

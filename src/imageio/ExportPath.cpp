#include "imageio/ExportPath.h"

namespace tessmark {

std::string WithDefaultExtension(const std::string& chosenPath, std::string_view extension) {
  const std::size_t nameStart = chosenPath.find_last_of('/') + 1;  // npos + 1 is 0
  const bool hasExtension = chosenPath.find('.', nameStart) != std::string::npos;
  return hasExtension ? chosenPath : chosenPath + std::string(extension);
}

}  // namespace tessmark

#include "imageio/PngExport.h"

#include <cerrno>

#include "files/FileBytes.h"
#include "imageio/PngFile.h"

namespace tessmark {

int WritePngFile(const std::string& path, const Picture& picture) {
  const std::optional<std::vector<std::uint8_t>> file = EncodePngFile(picture);
  if (!file) return ENOMEM;
  return WriteFileAtomically(path, *file);
}

}  // namespace tessmark

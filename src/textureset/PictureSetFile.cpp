#include "textureset/PictureSetFile.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "imageio/PictureWrite.h"

namespace tessmark {
namespace {

std::string TemporaryBeside(const std::string& path) { return path + "." + std::to_string(::getpid()) + ".part"; }

void RemoveAll(const std::vector<std::string>& paths) {
  std::error_code ignored;
  for (const std::string& path : paths) std::filesystem::remove(path, ignored);
}

}  // namespace

PictureSetWrite WritePictureSet(std::span<const OutputPicture> pictures, const PictureFormat& format) {
  std::vector<std::string> temporaries;
  for (const OutputPicture& picture : pictures) {
    temporaries.push_back(TemporaryBeside(picture.Path));
    if (const int error = WritePictureFile(temporaries.back(), picture.Pixels, format); error != 0) {
      RemoveAll(temporaries);
      return {error, &picture};
    }
  }
  for (std::size_t k = 0; k < pictures.size(); ++k) {
    std::error_code error;
    std::filesystem::rename(temporaries[k], pictures[k].Path, error);
    if (error) {
      RemoveAll(temporaries);
      return {error.value(), &pictures[k]};
    }
  }
  return {};
}

}  // namespace tessmark

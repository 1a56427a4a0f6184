#include "imageio/PictureWrite.h"

#include "files/FileBytes.h"

namespace tessmark {

int WritePictureFile(const std::string& path, const Picture& picture, const PictureFormat& format) {
  return WriteFileAtomically(path, [&](FileSink& sink) { return format.Write(picture, IntoFile(sink)); });
}

}  // namespace tessmark

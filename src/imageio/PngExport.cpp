#include "imageio/PngExport.h"

#include <cerrno>

#include "files/FileBytes.h"
#include "imageio/PngFile.h"

namespace tessmark {

int WritePngFile(const std::string& path, const Picture& picture) {
  // Streamed into the file as libpng makes it: no second copy of a big picture in memory.
  const int error = WriteFileAtomically(path, [&picture](FileSink& sink) {
    return StreamPngFile(picture, IntoFile(sink));
  });
  return error == ECANCELED ? ENOMEM : error;
}

}  // namespace tessmark

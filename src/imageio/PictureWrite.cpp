#include "imageio/PictureWrite.h"

#include "files/AtomicFile.h"

namespace tessmark {

int WritePictureFile(const std::string& path, const Picture& picture, const PictureFormat& format,
                     const WriteHooks& hooks) {
  return WriteFileAtomically(path, PictureProducer(picture, format), hooks);
}

FileProducer PictureProducer(const Picture& picture, const PictureFormat& format) {
  return [&picture, &format](FileSink& sink) { return format.Write(picture, IntoFile(sink)); };
}

}  // namespace tessmark

#include "textureset/PictureSetFile.h"

#include <algorithm>

#include "files/FileBatch.h"
#include "imageio/PictureWrite.h"

namespace tessmark {

PictureSetWrite WritePictureSet(std::span<const OutputPicture> pictures, const PictureFormat& format,
                                const WriteHooks& hooks) {
  FileBatch batch(hooks);
  for (const OutputPicture& picture : pictures) {
    if (const int error = batch.Add(picture.Path, PictureProducer(picture.Pixels, format, picture.Recipe)); error != 0)
      return {error, &picture};
  }
  if (const int error = batch.Commit(); error != 0) {
    const auto failed = std::ranges::find(pictures, batch.FailedPath(), &OutputPicture::Path);
    return {error, failed == pictures.end() ? pictures.data() : &*failed};
  }
  return {};
}

}  // namespace tessmark

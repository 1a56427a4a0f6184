#include "imageio/PictureSources.h"

#include "imageio/PictureFile.h"

namespace tessmark {

PictureSources LoadPictureSources(const PictureFiles& files, const std::string& programDirectory) {
  PictureSources sources;
  for (const std::string& path : files) {
    PictureRead<LoadedPicture> read = LoadPictureRgba(path, programDirectory);
    if (!read.Picture) return {{}, SourceLoadFailure{path, std::move(read.Message), read.Fault, read.Error}};
    sources.Pictures.push_back(std::move(*read.Picture));
  }
  return sources;
}

}  // namespace tessmark

#include "imageio/PictureOverWhite.h"

#include "imageio/PictureFile.h"

namespace tessmark {

PictureOverWhiteRead ReadPictureOverWhite(const std::string& path, const std::string& programDirectory) {
  PictureRead<LoadedPicture> read = LoadPictureRgba(path, programDirectory);
  if (!read.Picture) return {std::nullopt, std::move(read.Message), false};
  const LoadedPicture& loaded = *read.Picture;
  std::optional<Picture> picture = AllocatePicture(loaded.Width, loaded.Height);
  if (!picture) return {std::nullopt, std::nullopt, true};
  std::uint8_t* out = picture->Pixels();
  for (std::size_t i = 0; i < loaded.Pixels.size(); i += 4) {
    const std::uint8_t alpha = loaded.Pixels[i + 3];
    for (std::size_t c = 0; c < 3; ++c) *out++ = BlendChannel(255, loaded.Pixels[i + c], alpha);
  }
  return {std::move(picture), std::nullopt, false};
}

}  // namespace tessmark

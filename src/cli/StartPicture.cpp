#include "cli/StartPicture.h"

#include "cli/ReadFailure.h"
#include "imageio/PictureOverWhite.h"

namespace tessmark::cli {
namespace {

Parsed<Picture> WhitePicture(std::int32_t width, std::int32_t height) {
  if (width < 4 || height < 4) return Parsed<Picture>::Fail(MinimumSizeMessage);
  const std::string size = Concat(std::to_string(width), "x", std::to_string(height));
  if (std::uint64_t{3} * static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > MaxPictureBytes) {
    return Parsed<Picture>::Fail(Concat("a ", size, " picture is too large: at most 4 GiB of pixels"));
  }
  std::optional<Picture> picture = CreatePicture(width, height);
  if (!picture) return Parsed<Picture>::Fail(Concat("not enough memory for a ", size, " picture"));
  return {std::move(picture), {}};
}

Parsed<Picture> InputPicture(const std::string& path, const std::string& programDirectory) {
  PictureOverWhiteRead read = ReadPictureOverWhite(path, programDirectory);
  if (!read.Picture) return Parsed<Picture>::Fail(CannotRead(path, PictureReason(read.Fault, read.Error)));
  if (read.Picture->Width < 4 || read.Picture->Height < 4) return Parsed<Picture>::Fail(MinimumSizeMessage);
  return {std::move(read.Picture), {}};
}

}  // namespace

Parsed<Picture> StartPicture(const CommandLine& line, const Settings& settings, const std::string& programDirectory) {
  if (!line.InputFile.empty()) return InputPicture(line.InputFile, programDirectory);
  const WidthHeight size = line.Size.value_or(WidthHeight{settings.NewPicture.X, settings.NewPicture.Y});
  return WhitePicture(size.Width, size.Height);
}

}  // namespace tessmark::cli

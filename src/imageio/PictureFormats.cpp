#include "imageio/PictureFormats.h"

#include <algorithm>

#include "imageio/BmpFile.h"
#include "imageio/JpegEncoder.h"
#include "imageio/PictureReaders.h"
#include "imageio/PngFile.h"

namespace tessmark {
namespace {

constexpr std::string_view BmpExtensions[] = {"bmp"};
constexpr std::string_view PngExtensions[] = {"png"};
constexpr std::string_view JpegExtensions[] = {"jpg", "jpeg"};

bool WriteJpeg(const Picture& picture, const ByteSink& out) {
  // The picture's rows are already the encoder's input layout, so none is copied out.
  return StreamJpeg(picture.Pixels(), picture.Width, picture.Height, out);
}

// Texts list the formats read in this order.
constexpr PictureFormat Formats[] = {
    {PictureFormatId::Bmp, BmpExtensions, ReadBmpRows, StreamBmpFile, nullptr, 3, "24-bit", {}},
    {PictureFormatId::Png, PngExtensions, ReadPngRows, StreamPngFile, StreamPngFileWithRecipe, 2, "lossless", {}},
    {PictureFormatId::Jpeg, JpegExtensions, ReadJpegRows, WriteJpeg, nullptr, 1, "quality 99", "Erreur exportation"},
};

bool SameLetters(std::string_view extension, std::string_view lower) {
  return std::ranges::equal(extension, lower,
                            [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

}  // namespace

std::span<const PictureFormat> PictureFormats() { return Formats; }

const PictureFormat& FindPictureFormat(PictureFormatId id) {
  return *std::ranges::find(Formats, id, &PictureFormat::Id);
}

const PictureFormat* PictureFormatOfName(std::string_view path) {
  const std::size_t nameStart = path.find_last_of('/') + 1;  // npos + 1 is 0
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || dot < nameStart) return nullptr;
  const std::string_view extension = path.substr(dot + 1);
  for (const PictureFormat& format : Formats)
    if (std::ranges::any_of(format.Extensions, [&](std::string_view name) { return SameLetters(extension, name); }))
      return &format;
  return nullptr;
}

}  // namespace tessmark

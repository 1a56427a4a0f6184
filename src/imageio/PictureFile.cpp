#include "imageio/PictureFile.h"

#include <cstring>
#include <new>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "imageio/JpegDecoder.h"
#include "imageio/PngLibrary.h"
#include "imageio/RgbImage.h"

namespace tessmark {
namespace {

// The largest file worth reading: a 32-bit bitmap of MaxDecodedPixels and its headers.
constexpr std::uint64_t MaxPictureFileBytes = MaxDecodedPixels * 4 + (1u << 20);

// From the last dot of the file name on, letters a-z upper-cased; empty without a dot.
std::string UpperExtension(const std::string& path) {
  const std::size_t nameStart = path.find_last_of('/') + 1;  // npos + 1 is 0
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < nameStart) return {};
  std::string extension = path.substr(dot);
  for (char& c : extension)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return extension;
}

// The plug-in's pixel block, handed back to it however the copy ends.
class PluginPixels {
 public:
  explicit PluginPixels(FreePngImageFunction release) : release_(release) {}
  PluginPixels(const PluginPixels&) = delete;
  PluginPixels& operator=(const PluginPixels&) = delete;
  ~PluginPixels() {
    if (pixels != nullptr && release_ != nullptr) release_(pixels);
  }
  unsigned char* pixels = nullptr;

 private:
  FreePngImageFunction release_;
};

std::optional<RawPicture> FromBmp(const std::vector<std::uint8_t>& file) {
  const std::optional<Picture> picture = DecodeBmpFile(file);
  if (!picture) return std::nullopt;
  RawPicture raw{picture->Width, picture->Height, std::vector<std::uint8_t>(picture->ByteCount() / 3 * 4), true, false};
  const std::uint8_t* s = picture->Pixels();
  for (std::uint8_t* d = raw.Pixels.data(); d != raw.Pixels.data() + raw.Pixels.size(); d += 4, s += 3) {
    std::memcpy(d, s, 3);
    d[3] = s[0] == 255 && s[1] == 255 && s[2] == 255 ? 0 : 255;  // white is the background of stamps
  }
  return raw;
}

PictureRead<RawPicture> FromPng(const std::vector<std::uint8_t>& file, const std::string& path,
                                const std::string& programDirectory) {
  const PngLibrary library = LoadPngLibrary(programDirectory);
  if (library.LoadPngImage == nullptr) return {std::nullopt, library.Message, PictureFault::NoPlugin};
  const UserMessage unreadable{"Error reading png-file " + path, "readingfile"};
  std::int32_t width = 0, height = 0;
  unsigned char alpha = 0;
  PluginPixels block(library.FreePngImage);
  const bool loaded = library.LoadPngImage(file.data(), static_cast<std::uint32_t>(file.size()), &width, &height,
                                           &alpha, &block.pixels) != 0;
  // The plug-in's answer is checked like any other input before its block is read.
  if (!loaded || block.pixels == nullptr || width <= 0 || height <= 0 ||
      std::uint64_t(width) * std::uint64_t(height) > MaxDecodedPixels)
    return {std::nullopt, unreadable, PictureFault::Damaged};
  const std::size_t bytes = std::size_t(width) * std::size_t(height) * (alpha ? 4 : 3);
  return {RawPicture{width, height, std::vector<std::uint8_t>(block.pixels, block.pixels + bytes), alpha != 0, true},
          std::nullopt};
}

std::optional<RawPicture> FromJpeg(const std::vector<std::uint8_t>& file) {
  RgbImage image = DecodeJpegMemory(file);
  if (image.Width <= 0 || image.Height <= 0) return std::nullopt;
  return RawPicture{image.Width, image.Height, std::move(image.Pixels), false, false};
}

// A decoder's answer: a picture, or a damaged (or unsupported) file.
PictureRead<RawPicture> Decoded(std::optional<RawPicture> picture) {
  const PictureFault fault = picture ? PictureFault::None : PictureFault::Damaged;
  return {std::move(picture), std::nullopt, fault};
}

PictureRead<RawPicture> Decode(const std::vector<std::uint8_t>& file, const std::string& path,
                               const std::string& programDirectory) {
  const std::string extension = UpperExtension(path);
  if (extension == ".BMP") return Decoded(FromBmp(file));
  if (extension == ".PNG") return FromPng(file, path, programDirectory);
  if (extension == ".JPG") return Decoded(FromJpeg(file));
  return {std::nullopt, std::nullopt, PictureFault::UnknownExtension};
}

LoadedPicture ToRgba(const RawPicture& raw) {
  LoadedPicture out{raw.Width, raw.Height, std::vector<std::uint8_t>(std::size_t(raw.Width) * raw.Height * 4)};
  const std::size_t in = raw.FourBytes ? 4 : 3;
  for (std::int32_t y = 0; y < raw.Height; ++y) {
    const std::int32_t sourceRow = raw.BottomUp ? raw.Height - 1 - y : y;
    const std::uint8_t* s = raw.Pixels.data() + std::size_t(sourceRow) * raw.Width * in;
    std::uint8_t* d = out.Pixels.data() + std::size_t(y) * raw.Width * 4;
    for (std::int32_t x = 0; x < raw.Width; ++x, s += in, d += 4) {
      std::memcpy(d, s, 3);
      d[3] = in == 4 ? s[3] : 255;
    }
  }
  return out;
}

}  // namespace

PictureRead<RawPicture> ReadPictureFile(const std::string& path, const std::string& programDirectory) {
  const FileBytes file = ReadWholeFile(path, MaxPictureFileBytes);
  if (file.Error != 0)
    return {std::nullopt, UserMessage{"Error openging file " + path + " error " + std::to_string(file.Error), "accessfile"},
            PictureFault::Unreadable, file.Error};
  try {
    return Decode(file.Bytes, path, programDirectory);
  } catch (const std::bad_alloc&) {
    return {std::nullopt, std::nullopt, PictureFault::NoMemory};
  }
}

PictureRead<LoadedPicture> LoadPictureRgba(const std::string& path, const std::string& programDirectory) {
  PictureRead<RawPicture> raw = ReadPictureFile(path, programDirectory);
  if (!raw.Picture) return {std::nullopt, std::move(raw.Message), raw.Fault, raw.Error};
  try {
    return {ToRgba(*raw.Picture), std::nullopt};
  } catch (const std::bad_alloc&) {
    return {std::nullopt, std::nullopt, PictureFault::NoMemory};
  }
}

}  // namespace tessmark

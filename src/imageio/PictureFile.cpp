#include "imageio/PictureFile.h"

#include <new>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "imageio/DibDecoder.h"
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

enum class FileKind { Unknown, Bmp, Png, Jpeg };

FileKind KindOf(const std::string& path, JpegNames jpegNames) {
  const std::string extension = UpperExtension(path);
  if (extension == ".BMP") return FileKind::Bmp;
  if (extension == ".PNG") return FileKind::Png;
  if (extension == ".JPG" || (extension == ".JPEG" && jpegNames == JpegNames::JpgOrJpeg)) return FileKind::Jpeg;
  return FileKind::Unknown;
}

// The plug-in's pixel block, handed back to it however the reading ends.
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

PictureFault Rows(std::int32_t width, std::int32_t height, const std::uint8_t* first, std::ptrdiff_t step,
                  RowLayout layout, PictureRows& rows) {
  if (!rows.Start(width, height)) return PictureFault::NoMemory;
  for (std::int32_t y = 0; y < height; ++y) rows.Put(y, first + step * y, layout);
  return PictureFault::None;
}

// Uncompressed 24-bit files, the common case, go from the file's bytes straight to the rows.
PictureFault FromBmp(std::span<const std::uint8_t> file, PictureRows& rows) {
  const std::optional<BmpFileLayout> layout = ReadBmpFileLayout(file);
  if (!layout) return PictureFault::Damaged;
  const DibHeader& h = layout->Header;
  if (const std::optional<DibBgrRows> bgr = FindDibBgrRows(layout->Dib, h, layout->PixelOffset))
    return Rows(h.Width, h.Height, bgr->First, bgr->Step, RowLayout::BgrKeyed, rows);
  const std::optional<Picture> picture = DecodeDib(layout->Dib, h, layout->PixelOffset);
  if (!picture) return PictureFault::Damaged;
  return Rows(h.Width, h.Height, picture->Pixels(), std::ptrdiff_t{h.Width} * 3, RowLayout::RgbKeyed, rows);
}

// The plug-in's rows handed to a destination that holds RGBA: libpng writes each row in its place.
struct DirectRows {
  PictureRows& Rows;
  PictureFault Fault = PictureFault::Damaged;
};

unsigned char* DirectRowAt(void* context, std::int32_t width, std::int32_t height, std::int32_t y) noexcept {
  DirectRows& direct = *static_cast<DirectRows*>(context);
  if (y >= 0) return direct.Rows.Direct(y, RowLayout::Rgba);
  // The plug-in's answer is checked like any other input before room is made for it.
  if (width <= 0 || height <= 0 || std::uint64_t(width) * std::uint64_t(height) > MaxDecodedPixels) return nullptr;
  bool started = false;
  try {
    started = direct.Rows.Start(width, height);
  } catch (const std::bad_alloc&) {
  }
  if (!started) direct.Fault = PictureFault::NoMemory;
  return started ? reinterpret_cast<unsigned char*>(context) : nullptr;
}

PictureFailure PngFailure(const std::string& path, PictureFault fault) {
  if (fault == PictureFault::NoMemory) return {std::nullopt, fault};
  return {UserMessage{"Error reading png-file " + path, "readingfile"}, PictureFault::Damaged};
}

PictureFailure FromPng(std::span<const std::uint8_t> file, const std::string& path, const std::string& programDirectory,
                       PictureRows& rows) {
  const PngLibrary library = LoadPngLibrary(programDirectory);
  if (library.LoadPngImage == nullptr) return {library.Message, PictureFault::NoPlugin};
  if (file.size() > 0xFFFFFFFFu) return PngFailure(path, PictureFault::Damaged);
  const auto size = static_cast<std::uint32_t>(file.size());
  if (rows.Preferred() == RowLayout::Rgba && library.LoadPngRgbaRows != nullptr) {
    DirectRows direct{rows};
    if (library.LoadPngRgbaRows(file.data(), size, &direct, DirectRowAt) == 0) return PngFailure(path, direct.Fault);
    return {std::nullopt, PictureFault::None};
  }
  std::int32_t width = 0, height = 0;
  unsigned char alpha = 0;
  PluginPixels block(library.FreePngImage);
  const bool loaded = library.LoadPngImage(file.data(), size, &width, &height, &alpha, &block.pixels) != 0;
  // The plug-in's answer is checked like any other input before its block is read.
  if (!loaded || block.pixels == nullptr || width <= 0 || height <= 0 ||
      std::uint64_t(width) * std::uint64_t(height) > MaxDecodedPixels)
    return PngFailure(path, PictureFault::Damaged);
  // The plug-in's rows run from the bottom.
  const std::ptrdiff_t stride = std::ptrdiff_t{width} * (alpha ? 4 : 3);
  return {std::nullopt, Rows(width, height, block.pixels + stride * (height - 1), -stride,
                             alpha ? RowLayout::Rgba : RowLayout::Rgb, rows)};
}

// The loaded picture, each row written once where it lies, without first clearing the block.
class LoadedRows final : public PictureRows {
 public:
  explicit LoadedRows(LoadedPicture& picture) : picture_(picture) {}
  RowLayout Preferred() const override { return RowLayout::Rgba; }
  bool Start(std::int32_t width, std::int32_t height) override {
    try {
      picture_.Pixels.resize(std::size_t(width) * std::size_t(height) * 4);
    } catch (const std::bad_alloc&) {
      return false;
    }
    picture_.Width = width;
    picture_.Height = height;
    return true;
  }
  std::uint8_t* Direct(std::int32_t y, RowLayout layout) override {
    return layout == RowLayout::Rgba ? Row(y) : nullptr;
  }
  void Put(std::int32_t y, const std::uint8_t* pixels, RowLayout layout) override {
    RowToRgba(pixels, layout, picture_.Width, Row(y));
  }

 private:
  std::uint8_t* Row(std::int32_t y) { return picture_.Pixels.data() + std::size_t(y) * std::size_t(picture_.Width) * 4; }
  LoadedPicture& picture_;
};

template <class Decode> PictureRead<LoadedPicture> Loaded(const Decode& decode) {
  LoadedPicture picture;
  LoadedRows rows(picture);
  PictureFailure failure = decode(rows);
  if (failure.Fault != PictureFault::None) return {std::nullopt, std::move(failure.Message), failure.Fault, failure.Error};
  return {std::move(picture), std::nullopt};
}

}  // namespace

bool IsPictureFileName(const std::string& path, JpegNames jpegNames) {
  return KindOf(path, jpegNames) != FileKind::Unknown;
}

PictureFailure DecodePictureFile(std::span<const std::uint8_t> file, const std::string& path,
                                 const std::string& programDirectory, PictureRows& rows, JpegNames jpegNames) {
  try {
    switch (KindOf(path, jpegNames)) {
      case FileKind::Bmp: return {std::nullopt, FromBmp(file, rows)};
      case FileKind::Png: return FromPng(file, path, programDirectory, rows);
      case FileKind::Jpeg:
        return {std::nullopt, DecodeJpegRows(file, rows) ? PictureFault::None : PictureFault::Damaged};
      case FileKind::Unknown: break;
    }
  } catch (const std::bad_alloc&) {
    return {std::nullopt, PictureFault::NoMemory};
  }
  return {std::nullopt, PictureFault::UnknownExtension};
}

PictureFailure ReadPictureFile(const std::string& path, const std::string& programDirectory, PictureRows& rows,
                               JpegNames jpegNames) {
  BasicFileBytes<LargeBytes> file;
  try {
    file = ReadWholeLargeFile(path, MaxPictureFileBytes);
  } catch (const std::bad_alloc&) {
    return {std::nullopt, PictureFault::NoMemory};
  }
  if (file.Error != 0)
    return {UserMessage{"Error openging file " + path + " error " + std::to_string(file.Error), "accessfile"},
            PictureFault::Unreadable, file.Error};
  return DecodePictureFile(file.Bytes, path, programDirectory, rows, jpegNames);
}

PictureRead<LoadedPicture> LoadPictureRgba(const std::string& path, const std::string& programDirectory) {
  return Loaded([&](PictureRows& rows) { return ReadPictureFile(path, programDirectory, rows); });
}

PictureRead<LoadedPicture> DecodePictureRgba(std::span<const std::uint8_t> file, const std::string& path,
                                             const std::string& programDirectory) {
  return Loaded([&](PictureRows& rows) { return DecodePictureFile(file, path, programDirectory, rows); });
}

}  // namespace tessmark

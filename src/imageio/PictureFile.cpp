#include "imageio/PictureFile.h"

#include <new>

#include "files/FileBytes.h"
#include "imageio/PictureFormats.h"
#include "imageio/RgbImage.h"

namespace tessmark {
namespace {

// The largest file worth reading: a 32-bit bitmap of MaxDecodedPixels and its headers.
constexpr std::uint64_t MaxPictureFileBytes = MaxDecodedPixels * 4 + (1u << 20);

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

bool IsPictureFileName(const std::string& path) {
  const PictureFormat* format = PictureFormatOfName(path);
  return format != nullptr && format->Read != nullptr;
}

PictureFailure DecodePictureFile(std::span<const std::uint8_t> file, const std::string& path,
                                 const std::string& programDirectory, PictureRows& rows) {
  const PictureFormat* format = PictureFormatOfName(path);
  if (format == nullptr || format->Read == nullptr) return {std::nullopt, PictureFault::UnknownExtension};
  try {
    return format->Read(file, path, programDirectory, rows);
  } catch (const std::bad_alloc&) {
    return {std::nullopt, PictureFault::NoMemory};
  }
}

PictureFailure ReadPictureFile(const std::string& path, const std::string& programDirectory, PictureRows& rows) {
  BasicFileBytes<LargeBytes> file;
  try {
    file = ReadWholeLargeFile(path, MaxPictureFileBytes);
  } catch (const std::bad_alloc&) {
    return {std::nullopt, PictureFault::NoMemory};
  }
  if (file.Error != 0)
    return {UserMessage{"Error openging file " + path + " error " + std::to_string(file.Error), "accessfile"},
            PictureFault::Unreadable, file.Error};
  return DecodePictureFile(file.Bytes, path, programDirectory, rows);
}

PictureRead<LoadedPicture> LoadPictureRgba(const std::string& path, const std::string& programDirectory) {
  return Loaded([&](PictureRows& rows) { return ReadPictureFile(path, programDirectory, rows); });
}

PictureRead<LoadedPicture> DecodePictureRgba(std::span<const std::uint8_t> file, const std::string& path,
                                             const std::string& programDirectory) {
  return Loaded([&](PictureRows& rows) { return DecodePictureFile(file, path, programDirectory, rows); });
}

}  // namespace tessmark

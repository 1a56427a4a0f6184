#include "imageio/PictureOverWhite.h"

namespace tessmark {
namespace {

class OverWhiteRows final : public PictureRows {
 public:
  explicit OverWhiteRows(std::optional<Picture>& picture) : picture_(picture) {}
  RowLayout Preferred() const override { return RowLayout::Rgb; }
  bool Start(std::int32_t width, std::int32_t height) override {
    picture_ = AllocatePicture(width, height);
    return picture_.has_value();
  }
  // Opaque rows, and keyed ones whose white is the white they lie on, are the picture's own.
  std::uint8_t* Direct(std::int32_t y, RowLayout layout) override {
    return layout == RowLayout::Rgb || layout == RowLayout::RgbKeyed ? picture_->Row(y) : nullptr;
  }
  void Put(std::int32_t y, const std::uint8_t* pixels, RowLayout layout) override {
    RowOverWhite(pixels, layout, picture_->Width, picture_->Row(y));
  }

 private:
  std::optional<Picture>& picture_;
};

}  // namespace

PictureOverWhiteRead ReadPictureOverWhite(const std::string& path, const std::string& programDirectory) {
  std::optional<Picture> picture;
  OverWhiteRows rows(picture);
  PictureFailure failure = ReadPictureFile(path, programDirectory, rows);
  if (failure.Fault == PictureFault::None) return {std::move(picture), std::nullopt};
  return {std::nullopt, std::move(failure.Message), failure.Fault == PictureFault::NoMemory, failure.Fault,
          failure.Error};
}

}  // namespace tessmark

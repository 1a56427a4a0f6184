#include "imageio/JpegDecoder.h"

#include <algorithm>
#include <new>

#include "imageio/JpegErrors.h"

namespace tessmark {
namespace {

constexpr std::size_t PieceSize = 4096;
const JOCTET FakeEndOfImage[2] = {0xFF, JPEG_EOI};

// Hands the library the block in pieces of at most PieceSize bytes; after the end, an end-of-image
// marker with a warning, as libjpeg's own file source does.
struct MemorySource {
  jpeg_source_mgr Manager;
  const JOCTET* Data;
  std::size_t Size;
  std::size_t Position;
};

MemorySource& SourceOf(j_decompress_ptr codec) { return *reinterpret_cast<MemorySource*>(codec->src); }

void StartSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr codec) {
  MemorySource& s = SourceOf(codec);
  if (s.Position >= s.Size) {
    if (s.Size == 0) FailJpeg(reinterpret_cast<j_common_ptr>(codec), JERR_INPUT_EMPTY);
    WARNMS(codec, JWRN_JPEG_EOF);
    s.Manager.next_input_byte = FakeEndOfImage;
    s.Manager.bytes_in_buffer = 2;
    return TRUE;
  }
  const std::size_t n = std::min(PieceSize, s.Size - s.Position);
  s.Manager.next_input_byte = s.Data + s.Position;
  s.Manager.bytes_in_buffer = n;
  s.Position += n;
  return TRUE;
}

void SkipInput(j_decompress_ptr codec, long count) {
  if (count <= 0) return;
  MemorySource& s = SourceOf(codec);
  std::size_t n = static_cast<std::size_t>(count);
  while (n > s.Manager.bytes_in_buffer) {
    n -= s.Manager.bytes_in_buffer;
    // Skipping past a piece moves straight on within the block; FillInput handles the end.
    const std::size_t jump = std::min(n, s.Size - s.Position);
    s.Position += jump;
    n -= jump;
    s.Manager.bytes_in_buffer = 0;
    FillInput(codec);
    if (s.Manager.next_input_byte == FakeEndOfImage) return;
  }
  s.Manager.next_input_byte += n;
  s.Manager.bytes_in_buffer -= n;
}

void TerminateSource(j_decompress_ptr) {}

// Whether libjpeg can deliver the picture as red, green, blue (and alpha) itself: from colour and
// greyscale files, not from CMYK ones.
bool Convertible(const jpeg_decompress_struct& codec) {
  return codec.out_color_space == JCS_RGB || codec.out_color_space == JCS_GRAYSCALE;
}

// libjpeg reports errors by longjmp: this function keeps no object with a destructor; the rows'
// destination belongs to the caller.
bool Decode(std::span<const std::uint8_t> data, PictureRows& rows) {
  jpeg_decompress_struct codec;
  JpegErrors errors;
  codec.err = InstallJpegErrors(errors);
  if (setjmp(errors.Recovery)) {
    jpeg_destroy_decompress(&codec);
    return false;
  }
  jpeg_create_decompress(&codec);
  MemorySource source{{}, data.data(), data.size(), 0};
  source.Manager.init_source = StartSource;
  source.Manager.fill_input_buffer = FillInput;
  source.Manager.skip_input_data = SkipInput;
  source.Manager.resync_to_restart = jpeg_resync_to_restart;
  source.Manager.term_source = TerminateSource;
  codec.src = &source.Manager;

  jpeg_read_header(&codec, TRUE);
  // Checked before the library sets up its own buffers for the claimed size; without scaling the
  // output has the image's size.
  const std::uint64_t pixels = std::uint64_t{codec.image_width} * codec.image_height;
  if (pixels == 0 || pixels > MaxDecodedPixels) {
    jpeg_destroy_decompress(&codec);
    return false;
  }
  const bool convertible = Convertible(codec);
  const RowLayout layout = rows.Preferred() == RowLayout::Rgba ? RowLayout::Rgba : RowLayout::Rgb;
  if (convertible) codec.out_color_space = layout == RowLayout::Rgba ? JCS_EXT_RGBA : JCS_RGB;
  jpeg_start_decompress(&codec);
  const auto width = static_cast<std::int32_t>(codec.output_width);
  const auto height = static_cast<std::int32_t>(codec.output_height);
  if (std::uint64_t{codec.output_width} * codec.output_height != pixels || !rows.Start(width, height)) {
    jpeg_destroy_decompress(&codec);
    return false;
  }
  const JDIMENSION stride = codec.output_width * static_cast<JDIMENSION>(std::max(codec.output_components, 4));
  JSAMPARRAY scratch =
      (*codec.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&codec), JPOOL_IMAGE, stride, 1);
  // Rows the file cannot give (other colour spaces, a stream that stops) stay black.
  JSAMPARRAY black =
      (*codec.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&codec), JPOOL_IMAGE, stride, 1);
  std::fill(black[0], black[0] + stride, JSAMPLE{0});
  while (codec.output_scanline < codec.output_height) {
    const auto y = static_cast<std::int32_t>(codec.output_scanline);
    std::uint8_t* direct = convertible ? rows.Direct(y, layout) : nullptr;
    JSAMPROW target = direct != nullptr ? direct : scratch[0];
    if (jpeg_read_scanlines(&codec, &target, 1) != 1) break;
    if (direct == nullptr) rows.Put(y, convertible ? scratch[0] : black[0], convertible ? layout : RowLayout::Rgb);
  }
  for (auto y = static_cast<std::int32_t>(codec.output_scanline); y < height; ++y) rows.Put(y, black[0], RowLayout::Rgb);
  jpeg_finish_decompress(&codec);
  jpeg_destroy_decompress(&codec);
  return true;
}

// An RgbImage filled row by row, black where nothing is decoded.
class RgbImageRows final : public PictureRows {
 public:
  explicit RgbImageRows(RgbImage& image) : image_(image) {}
  RowLayout Preferred() const override { return RowLayout::Rgb; }
  bool Start(std::int32_t width, std::int32_t height) override {
    try {
      image_.Pixels.assign(std::size_t(width) * std::size_t(height) * 3, 0);
    } catch (const std::bad_alloc&) {
      return false;
    }
    image_.Width = width;
    image_.Height = height;
    return true;
  }
  std::uint8_t* Direct(std::int32_t y, RowLayout) override { return Row(y); }
  void Put(std::int32_t y, const std::uint8_t* pixels, RowLayout) override {
    std::copy(pixels, pixels + std::size_t(image_.Width) * 3, Row(y));
  }

 private:
  std::uint8_t* Row(std::int32_t y) { return image_.Pixels.data() + std::size_t(y) * std::size_t(image_.Width) * 3; }
  RgbImage& image_;
};

}  // namespace

RgbImage DecodeJpegMemory(std::span<const std::uint8_t> data) {
  RgbImage image;
  RgbImageRows rows(image);
  if (!Decode(data, rows)) return {};
  return image;
}

bool DecodeJpegRows(std::span<const std::uint8_t> data, PictureRows& rows) { return Decode(data, rows); }

}  // namespace tessmark

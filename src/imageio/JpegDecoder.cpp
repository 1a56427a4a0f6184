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

bool Allocate(std::vector<std::uint8_t>& pixels, std::size_t n) noexcept {
  try {
    pixels.assign(n, 0);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void StoreRow(const JSAMPLE* samples, int components, JDIMENSION width, std::uint8_t* out) {
  if (components == 3) {
    std::copy(samples, samples + width * 3, out);
  } else if (components == 1) {
    for (JDIMENSION x = 0; x < width; ++x, out += 3) out[0] = out[1] = out[2] = samples[x];
  }
}

// libjpeg reports errors by longjmp: this function keeps no object with a destructor; the pixel
// block belongs to the caller.
bool Decode(std::span<const std::uint8_t> data, RgbImage& image) {
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
  jpeg_start_decompress(&codec);
  if (std::uint64_t{codec.output_width} * codec.output_height != pixels || !Allocate(image.Pixels, pixels * 3)) {
    jpeg_destroy_decompress(&codec);
    return false;
  }
  const int components = codec.output_components;
  JSAMPARRAY row = (*codec.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&codec), JPOOL_IMAGE,
                                              codec.output_width * static_cast<JDIMENSION>(components), 1);
  const std::size_t stride = std::size_t{codec.output_width} * 3;
  while (codec.output_scanline < codec.output_height) {
    const JDIMENSION y = codec.output_scanline;
    if (jpeg_read_scanlines(&codec, row, 1) != 1) break;
    StoreRow(row[0], components, codec.output_width, image.Pixels.data() + y * stride);
  }
  image.Width = static_cast<std::int32_t>(codec.output_width);
  image.Height = static_cast<std::int32_t>(codec.output_height);
  jpeg_finish_decompress(&codec);
  jpeg_destroy_decompress(&codec);
  return true;
}

}  // namespace

RgbImage DecodeJpegMemory(std::span<const std::uint8_t> data) {
  RgbImage image;
  if (!Decode(data, image)) return {};
  return image;
}

}  // namespace tessmark

#include "imageio/JpegEncoder.h"

#include <span>

#include "imageio/JpegErrors.h"

namespace tessmark {
namespace {

constexpr std::size_t StagingSize = 64 * 1024;
constexpr int Quality = 99;

// The library fills a staging buffer of its own allocation; every full buffer, and the rest at the
// end, goes to the caller's sink.
struct SinkDestination {
  jpeg_destination_mgr Manager;
  const ByteSink* Out;
  JOCTET* Staging;
};

SinkDestination& DestinationOf(j_compress_ptr codec) { return *reinterpret_cast<SinkDestination*>(codec->dest); }

// An exception must not cross libjpeg's C frames: it becomes libjpeg's own failure.
void Pass(j_compress_ptr codec, std::size_t n) {
  SinkDestination& d = DestinationOf(codec);
  bool passed = true;
  try {
    (*d.Out)(std::span<const std::uint8_t>(d.Staging, n));
  } catch (...) {
    passed = false;
  }
  if (!passed) FailJpeg(reinterpret_cast<j_common_ptr>(codec), JERR_OUT_OF_MEMORY);
}

void StartDestination(j_compress_ptr codec) {
  SinkDestination& d = DestinationOf(codec);
  d.Staging = static_cast<JOCTET*>(
      (*codec->mem->alloc_small)(reinterpret_cast<j_common_ptr>(codec), JPOOL_IMAGE, StagingSize * sizeof(JOCTET)));
  d.Manager.next_output_byte = d.Staging;
  d.Manager.free_in_buffer = StagingSize;
}

boolean EmptyDestination(j_compress_ptr codec) {
  Pass(codec, StagingSize);
  SinkDestination& d = DestinationOf(codec);
  d.Manager.next_output_byte = d.Staging;
  d.Manager.free_in_buffer = StagingSize;
  return TRUE;
}

void TerminateDestination(j_compress_ptr codec) { Pass(codec, StagingSize - DestinationOf(codec).Manager.free_in_buffer); }

}  // namespace

// libjpeg reports errors by longjmp: this function keeps no object with a destructor.
bool StreamJpeg(const std::uint8_t* rgb, std::int32_t width, std::int32_t height, const ByteSink& out) {
  if (rgb == nullptr || width <= 0 || height <= 0) return false;
  jpeg_compress_struct codec;
  JpegErrors errors;
  codec.err = InstallJpegErrors(errors);
  if (setjmp(errors.Recovery)) {
    jpeg_destroy_compress(&codec);
    return false;
  }
  jpeg_create_compress(&codec);
  SinkDestination sink{{}, &out, nullptr};
  sink.Manager.init_destination = StartDestination;
  sink.Manager.empty_output_buffer = EmptyDestination;
  sink.Manager.term_destination = TerminateDestination;
  codec.dest = &sink.Manager;

  codec.image_width = static_cast<JDIMENSION>(width);
  codec.image_height = static_cast<JDIMENSION>(height);
  codec.input_components = 3;
  codec.in_color_space = JCS_RGB;
  jpeg_set_defaults(&codec);
  jpeg_set_quality(&codec, Quality, TRUE);
  jpeg_start_compress(&codec, TRUE);
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  while (codec.next_scanline < codec.image_height) {
    // libjpeg's row type is not const, but compression only reads the rows.
    JSAMPROW row = const_cast<JSAMPROW>(rgb + codec.next_scanline * stride);
    jpeg_write_scanlines(&codec, &row, 1);
  }
  jpeg_finish_compress(&codec);
  jpeg_destroy_compress(&codec);
  return true;
}

bool EncodeJpegMemory(std::vector<std::uint8_t>& destination, const std::uint8_t* rgb, std::int32_t width,
                      std::int32_t height) {
  destination.clear();
  return StreamJpeg(rgb, width, height, [&destination](std::span<const std::uint8_t> piece) {
    destination.insert(destination.end(), piece.begin(), piece.end());
  });
}

}  // namespace tessmark

#include "imageio/JpegEncoder.h"

#include <new>

#include "imageio/JpegErrors.h"

namespace tessmark {
namespace {

constexpr std::size_t StagingSize = 4096;
constexpr int Quality = 99;

// The library fills a staging buffer of its own allocation; every full buffer, and the rest at the
// end, is appended to the caller's block.
struct MemoryDestination {
  jpeg_destination_mgr Manager;
  std::vector<std::uint8_t>* Out;
  JOCTET* Staging;
};

MemoryDestination& DestinationOf(j_compress_ptr codec) { return *reinterpret_cast<MemoryDestination*>(codec->dest); }

bool Append(std::vector<std::uint8_t>& out, const JOCTET* data, std::size_t n) noexcept {
  try {
    out.insert(out.end(), data, data + n);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void StartDestination(j_compress_ptr codec) {
  MemoryDestination& d = DestinationOf(codec);
  d.Staging = static_cast<JOCTET*>(
      (*codec->mem->alloc_small)(reinterpret_cast<j_common_ptr>(codec), JPOOL_IMAGE, StagingSize * sizeof(JOCTET)));
  d.Manager.next_output_byte = d.Staging;
  d.Manager.free_in_buffer = StagingSize;
}

boolean EmptyDestination(j_compress_ptr codec) {
  MemoryDestination& d = DestinationOf(codec);
  if (!Append(*d.Out, d.Staging, StagingSize)) FailJpeg(reinterpret_cast<j_common_ptr>(codec), JERR_OUT_OF_MEMORY);
  d.Manager.next_output_byte = d.Staging;
  d.Manager.free_in_buffer = StagingSize;
  return TRUE;
}

void TerminateDestination(j_compress_ptr codec) {
  MemoryDestination& d = DestinationOf(codec);
  if (!Append(*d.Out, d.Staging, StagingSize - d.Manager.free_in_buffer))
    FailJpeg(reinterpret_cast<j_common_ptr>(codec), JERR_OUT_OF_MEMORY);
}

}  // namespace

// libjpeg reports errors by longjmp: this function keeps no object with a destructor.
bool EncodeJpegMemory(std::vector<std::uint8_t>& destination, const std::uint8_t* rgb, std::int32_t width,
                      std::int32_t height) {
  if (rgb == nullptr || width <= 0 || height <= 0) return false;
  destination.clear();
  jpeg_compress_struct codec;
  JpegErrors errors;
  codec.err = InstallJpegErrors(errors);
  if (setjmp(errors.Recovery)) {
    jpeg_destroy_compress(&codec);
    return false;
  }
  jpeg_create_compress(&codec);
  MemoryDestination memory{{}, &destination, nullptr};
  memory.Manager.init_destination = StartDestination;
  memory.Manager.empty_output_buffer = EmptyDestination;
  memory.Manager.term_destination = TerminateDestination;
  codec.dest = &memory.Manager;

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

}  // namespace tessmark

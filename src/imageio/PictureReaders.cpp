#include "imageio/PictureReaders.h"

#include "imageio/BmpFile.h"
#include "imageio/DibDecoder.h"
#include "imageio/JpegDecoder.h"

namespace tessmark {
namespace {

PictureFailure Outcome(bool done, PictureFault fault) { return {std::nullopt, done ? PictureFault::None : fault}; }

}  // namespace

// Uncompressed 24-bit files, the common case, go from the file's bytes straight to the rows.
PictureFailure ReadBmpRows(std::span<const std::uint8_t> file, const std::string&, const std::string&,
                           PictureRows& rows) {
  const std::optional<BmpFileLayout> layout = ReadBmpFileLayout(file);
  if (!layout) return Outcome(false, PictureFault::Damaged);
  const DibHeader& h = layout->Header;
  if (const std::optional<DibBgrRows> bgr = FindDibBgrRows(layout->Dib, h, layout->PixelOffset))
    return Outcome(PutRows(h.Width, h.Height, bgr->First, bgr->Step, RowLayout::BgrKeyed, rows), PictureFault::NoMemory);
  const std::optional<Picture> picture = DecodeDib(layout->Dib, h, layout->PixelOffset);
  if (!picture) return Outcome(false, PictureFault::Damaged);
  return Outcome(PutRows(h.Width, h.Height, picture->Pixels(), std::ptrdiff_t{h.Width} * 3, RowLayout::RgbKeyed, rows),
                 PictureFault::NoMemory);
}

PictureFailure ReadJpegRows(std::span<const std::uint8_t> file, const std::string&, const std::string&,
                            PictureRows& rows) {
  return Outcome(DecodeJpegRows(file, rows), PictureFault::Damaged);
}

}  // namespace tessmark

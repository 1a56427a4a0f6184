#include "imageio/DibDecoder.h"

#include <bit>
#include <cstring>

#include "imageio/ByteOrder.h"
#include "imageio/DibEncoder.h"
#include "imageio/DibPalette.h"
#include "imageio/DibRle.h"

namespace tessmark {
namespace {

// One colour channel of a packed pixel, scaled from its mask's width to 0 ... 255.
class MaskChannel {
 public:
  explicit MaskChannel(std::uint32_t mask)
      : shift_(mask == 0 ? 0 : std::countr_zero(mask)), maximum_(mask == 0 ? 0 : mask >> shift_) {}

  std::uint8_t operator()(std::uint32_t pixel) const {
    if (maximum_ == 0) return 0;
    const std::uint64_t v = (pixel >> shift_) & maximum_;
    return static_cast<std::uint8_t>((v * 255 + maximum_ / 2) / maximum_);
  }

 private:
  int shift_;
  std::uint64_t maximum_;
};

void Store(std::uint8_t* p, Color c) {
  p[0] = c.Red;
  p[1] = c.Green;
  p[2] = c.Blue;
}

void DecodePaletteRow(const std::uint8_t* row, int bits, std::int32_t width, const DibPalette& palette,
                      std::uint8_t* out) {
  const int perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  for (std::int32_t x = 0; x < width; ++x, out += 3) {
    const int shift = 8 - bits * (x % perByte + 1);
    Store(out, palette[(row[x / perByte] >> shift) & mask]);
  }
}

void DecodePackedRow(std::span<const std::uint8_t> row, int bytes, std::int32_t width,
                     const std::array<MaskChannel, 3>& channels, std::uint8_t* out) {
  for (std::int32_t x = 0; x < width; ++x, out += 3) {
    const std::size_t at = std::size_t(x) * bytes;
    const std::uint32_t pixel = bytes == 2 ? GetLe16(row, at) : GetLe32(row, at);
    Store(out, {channels[0](pixel), channels[1](pixel), channels[2](pixel)});
  }
}

void DecodeBgrRow(const std::uint8_t* row, std::int32_t width, std::uint8_t* out) {
  for (std::int32_t x = 0; x < width; ++x, row += 3, out += 3) Store(out, {row[2], row[1], row[0]});
}

bool RowsFit(std::span<const std::uint8_t> rows, const DibHeader& h) {
  const std::uint64_t stride = DibRowStride(h.BitCount, static_cast<std::uint32_t>(h.Width));
  // The last row needs no padding after its pixels: some writers leave it off.
  const std::uint64_t lastRow = (std::uint64_t{h.BitCount} * static_cast<std::uint32_t>(h.Width) + 7) / 8;
  return stride * static_cast<std::uint64_t>(h.Height - 1) + lastRow <= rows.size();
}

// The caller has checked RowsFit.
void DecodeRows(std::span<const std::uint8_t> rows, const DibHeader& h, std::span<const std::uint8_t> dib,
                Picture& picture) {
  const std::uint64_t stride = DibRowStride(h.BitCount, static_cast<std::uint32_t>(h.Width));
  const DibPalette palette = ReadDibPalette(dib, h);
  const std::array<MaskChannel, 3> channels{MaskChannel(h.Masks[0]), MaskChannel(h.Masks[1]), MaskChannel(h.Masks[2])};
  for (std::int32_t r = 0; r < h.Height; ++r) {
    const std::span<const std::uint8_t> row = rows.subspan(static_cast<std::size_t>(stride * r));
    std::uint8_t* out = picture.Row(h.TopDown ? r : h.Height - 1 - r);
    if (h.BitCount <= 8) {
      DecodePaletteRow(row.data(), h.BitCount, h.Width, palette, out);
    } else if (h.BitCount == 24) {
      DecodeBgrRow(row.data(), h.Width, out);
    } else {
      DecodePackedRow(row, h.BitCount / 8, h.Width, channels, out);
    }
  }
}

}  // namespace

std::optional<Picture> DecodeDib(std::span<const std::uint8_t> dib, const DibHeader& header, std::size_t pixelOffset) {
  if (pixelOffset > dib.size()) return std::nullopt;
  const std::span<const std::uint8_t> rows = dib.subspan(pixelOffset);
  const bool rle = header.Compression == DibRle8 || header.Compression == DibRle4;
  if (!rle && !RowsFit(rows, header)) return std::nullopt;
  std::optional<Picture> picture = AllocatePicture(header.Width, header.Height);
  if (!picture) return std::nullopt;
  if (rle) {
    std::memset(picture->Pixels(), 0, picture->ByteCount());
    DecodeDibRle(rows, header.BitCount, ReadDibPalette(dib, header), *picture);
  } else {
    DecodeRows(rows, header, dib, *picture);
  }
  return picture;
}

std::optional<DibBgrRows> FindDibBgrRows(std::span<const std::uint8_t> dib, const DibHeader& header,
                                         std::size_t pixelOffset) {
  if (header.BitCount != 24 || pixelOffset > dib.size() || !RowsFit(dib.subspan(pixelOffset), header))
    return std::nullopt;
  const auto stride = static_cast<std::ptrdiff_t>(DibRowStride(24, static_cast<std::uint32_t>(header.Width)));
  const std::uint8_t* rows = dib.data() + pixelOffset;
  if (header.TopDown) return DibBgrRows{rows, stride};
  return DibBgrRows{rows + stride * (header.Height - 1), -stride};
}

std::optional<Picture> DecodeDib(std::span<const std::uint8_t> dib) {
  const std::optional<DibHeader> header = ReadDibHeader(dib);
  if (!header) return std::nullopt;
  return DecodeDib(dib, *header, header->PixelOffset);
}

}  // namespace tessmark

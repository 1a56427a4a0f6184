#include "imageio/DibHeader.h"

#include <climits>
#include <cstdlib>

#include "imageio/ByteOrder.h"
#include "imageio/RgbImage.h"

namespace tessmark {
namespace {

constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t SmallestInfoHeader = 16;  // OS/2 2.x headers may stop after any field from here on

// Fields of the 40-byte header layout; shorter OS/2 headers leave the missing ones 0.
std::uint32_t Field32(std::span<const std::uint8_t> dib, std::uint32_t headerSize, std::size_t at) {
  return at + 4 <= headerSize ? GetLe32(dib, at) : 0;
}

bool ValidLayout(std::uint16_t bits, std::uint32_t compression, bool topDown) {
  switch (compression) {
    case DibRgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case DibRle8: return bits == 8 && !topDown;
    case DibRle4: return bits == 4 && !topDown;
    case DibBitfields:
    case DibAlphaBitfields: return bits == 16 || bits == 32;
    default: return false;
  }
}

std::array<std::uint32_t, 3> DefaultMasks(std::uint16_t bits) {
  if (bits == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0xFF0000, 0x00FF00, 0x0000FF};
}

bool ReadCoreHeader(std::span<const std::uint8_t> dib, DibHeader& h) {
  if (dib.size() < CoreHeaderSize) return false;
  h.Width = GetLe16(dib, 4);
  h.Height = GetLe16(dib, 6);
  h.BitCount = GetLe16(dib, 10);
  h.TableEntrySize = 3;
  return h.BitCount == 1 || h.BitCount == 4 || h.BitCount == 8 || h.BitCount == 24;
}

// Masks live in the header from 52 bytes on, else in the words right after it.
bool ReadMasks(std::span<const std::uint8_t> dib, DibHeader& h, std::uint64_t& tableOffset) {
  if (h.Compression != DibBitfields && h.Compression != DibAlphaBitfields) {
    h.Masks = DefaultMasks(h.BitCount);
    return true;
  }
  std::size_t at = 40;
  if (h.HeaderSize < 52) {
    at = h.HeaderSize;
    tableOffset += h.Compression == DibAlphaBitfields ? 16 : 12;
  }
  if (at + 12 > dib.size()) return false;
  h.Masks = {GetLe32(dib, at), GetLe32(dib, at + 4), GetLe32(dib, at + 8)};
  return true;
}

}  // namespace

std::optional<std::uint16_t> DibBitCount(std::span<const std::uint8_t> dib) {
  if (dib.size() < 4) return std::nullopt;
  const std::size_t at = GetLe32(dib, 0) == CoreHeaderSize ? 10 : 14;
  if (at + 2 > dib.size()) return std::nullopt;
  return GetLe16(dib, at);
}

std::optional<PictureSize> DibStatedSize(std::span<const std::uint8_t> dib) {
  if (!DibBitCount(dib)) return std::nullopt;
  if (GetLe32(dib, 0) == CoreHeaderSize) return PictureSize{GetLe16(dib, 4), GetLe16(dib, 6)};
  const auto height = static_cast<std::int32_t>(GetLe32(dib, 8));
  return PictureSize{static_cast<std::int32_t>(GetLe32(dib, 4)), height == INT32_MIN ? INT32_MAX : std::abs(height)};
}

std::optional<DibHeader> ReadDibHeader(std::span<const std::uint8_t> dib) {
  if (dib.size() < 4) return std::nullopt;
  DibHeader h;
  h.HeaderSize = GetLe32(dib, 0);
  std::uint32_t colorsUsed = 0;
  if (h.HeaderSize == CoreHeaderSize) {
    if (!ReadCoreHeader(dib, h)) return std::nullopt;
  } else {
    if (h.HeaderSize < SmallestInfoHeader || h.HeaderSize > dib.size()) return std::nullopt;
    const auto width = static_cast<std::int32_t>(GetLe32(dib, 4));
    const auto height = static_cast<std::int32_t>(GetLe32(dib, 8));
    if (height == INT32_MIN) return std::nullopt;
    h.Width = width;
    h.TopDown = height < 0;
    h.Height = h.TopDown ? -height : height;
    h.BitCount = GetLe16(dib, 14);
    h.Compression = Field32(dib, h.HeaderSize, 16);
    colorsUsed = Field32(dib, h.HeaderSize, 32);
    if (h.HeaderSize < InfoHeaderSize && h.Compression != DibRgb) return std::nullopt;
  }
  if (h.Width <= 0 || h.Height <= 0) return std::nullopt;
  if (std::uint64_t(h.Width) * std::uint64_t(h.Height) > MaxDecodedPixels) return std::nullopt;
  if (!ValidLayout(h.BitCount, h.Compression, h.TopDown)) return std::nullopt;

  std::uint64_t tableOffset = h.HeaderSize;
  if (!ReadMasks(dib, h, tableOffset)) return std::nullopt;
  // Palette bitmaps have 2^bits entries unless the header names fewer; deeper ones may carry a
  // table nobody needs, which is skipped.
  std::uint64_t storedEntries = colorsUsed;
  if (h.BitCount <= 8) {
    const std::uint32_t full = 1u << h.BitCount;
    if (storedEntries == 0 || h.HeaderSize == CoreHeaderSize) storedEntries = full;
    h.TableEntries = static_cast<std::uint32_t>(storedEntries < full ? storedEntries : full);
  }
  const std::uint64_t pixelOffset = tableOffset + storedEntries * h.TableEntrySize;
  if (tableOffset + std::uint64_t{h.TableEntries} * h.TableEntrySize > dib.size()) return std::nullopt;
  if (pixelOffset > dib.size()) return std::nullopt;
  h.TableOffset = static_cast<std::size_t>(tableOffset);
  h.PixelOffset = static_cast<std::size_t>(pixelOffset);
  return h;
}

}  // namespace tessmark

#include "app/DisplayBitmap.h"

#include <algorithm>
#include <cstring>

namespace tessmark {
namespace {

void StoreBgr(std::uint8_t* out, const std::uint8_t* rgb) {
  out[0] = rgb[2];
  out[1] = rgb[1];
  out[2] = rgb[0];
  out[3] = 0xFF;
}

// Display row i: columns sampled every `zoom` picture pixels while they lie inside, then the
// columns past the right edge, then white.
void BuildRow(const std::uint8_t* source, std::int32_t width, std::int32_t zoom, bool connectable,
              std::int32_t shownColumns, std::int32_t allColumns, std::uint8_t* out) {
  const std::int32_t inside = std::min(shownColumns, (width + zoom - 1) / zoom);
  const std::size_t step = std::size_t(zoom) * 3;
  const std::uint8_t* p = source;
  for (std::int32_t j = 0; j < inside; ++j, p += step, out += 4) StoreBgr(out, p);
  for (std::int32_t j = inside; j < shownColumns; ++j, out += 4) {
    const std::int32_t x = connectable ? WrapCoordinate(zoom * j, width) : -1;
    if (x >= 0) {
      StoreBgr(out, source + std::size_t(x) * 3);
    } else {
      std::memcpy(out, out - 4, 4);  // the display pixel written just before
    }
  }
  std::memset(out, 0xFF, std::size_t(allColumns - shownColumns) * 4);
}

}  // namespace

std::optional<Bitmap32> BuildDisplayBitmap(const Picture& picture, std::int32_t zoom, bool connectable) {
  zoom = std::clamp(zoom, 1, 16);
  const std::int32_t width = picture.Width, height = picture.Height;
  std::optional<Bitmap32> bitmap = AllocateBitmap32(DisplayWidth(width), height);
  if (!bitmap) return std::nullopt;
  const std::int32_t shownColumns = bitmap->Width / zoom, shownRows = height / zoom;
  for (std::int32_t i = 0; i < shownRows; ++i)
    BuildRow(picture.Row(zoom * i), width, zoom, connectable, shownColumns, bitmap->Width, bitmap->Row(i));
  if (shownRows < height) std::memset(bitmap->Row(shownRows), 0xFF, std::size_t(height - shownRows) * bitmap->Width * 4);
  return bitmap;
}

}  // namespace tessmark

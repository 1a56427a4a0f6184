#include "view/DisplayBitmap.h"

#include <algorithm>
#include <cstring>

#include "view/ViewGeometry.h"

namespace tessmark {
namespace {

void StoreBgr(std::uint8_t* out, const std::uint8_t* rgb) {
  out[0] = rgb[2];
  out[1] = rgb[1];
  out[2] = rgb[0];
  out[3] = 0xFF;
}

// The same from a four-byte load, which also takes in the next pixel's first byte: not for a
// row's last pixel, whose next byte may lie past the picture.
void StoreBgrFromWord(std::uint8_t* out, const std::uint8_t* rgb) {
  std::uint32_t word;
  std::memcpy(&word, rgb, 4);  // red, green, blue, next in memory order
  word = __builtin_bswap32(word << 8) | 0xFF000000u;
  std::memcpy(out, &word, 4);
}

// Display row i: columns sampled every `zoom` picture pixels while they lie inside, then the
// columns past the right edge, then white.
void BuildRow(const std::uint8_t* source, std::int32_t width, std::int32_t zoom, bool connectable,
              std::int32_t shownColumns, std::int32_t allColumns, std::uint8_t* out) {
  const std::int32_t inside = std::min(shownColumns, (width + zoom - 1) / zoom);
  const std::size_t step = std::size_t(zoom) * 3;
  const std::uint8_t* p = source;
  std::int32_t j = 0;
  for (; j + 1 < inside; ++j, p += step, out += 4) StoreBgrFromWord(out, p);
  for (; j < inside; ++j, p += step, out += 4) StoreBgr(out, p);
  for (; j < shownColumns; ++j, out += 4) {
    const std::int32_t x = connectable ? WrapCoordinate(zoom * j, width) : -1;
    if (x >= 0) {
      StoreBgr(out, source + std::size_t(x) * 3);
    } else {
      std::memcpy(out, out - 4, 4);  // the display pixel written just before
    }
  }
  std::memset(out, 0xFF, std::size_t(allColumns - shownColumns) * 4);
}

// Display columns first ... end - 1 of a row, each as BuildRow writes it.
void BuildColumns(const std::uint8_t* source, std::int32_t width, std::int32_t zoom, bool connectable,
                  std::int32_t shownColumns, std::int32_t first, std::int32_t end, std::uint8_t* row) {
  const std::int32_t inside = std::min(shownColumns, (width + zoom - 1) / zoom);
  for (std::int32_t j = first; j < end; ++j) {
    std::uint8_t* out = row + std::size_t(j) * 4;
    if (j >= shownColumns) {
      std::memset(out, 0xFF, 4);
      continue;
    }
    const std::int32_t x = j < inside ? zoom * j : connectable ? WrapCoordinate(zoom * j, width) : zoom * (inside - 1);
    StoreBgr(out, source + std::size_t(x) * 3);
  }
}

}  // namespace

bool RebuildDisplayBitmap(std::optional<Bitmap32>& display, const Picture& picture, std::int32_t zoom,
                          bool connectable, const AvailableMemory& available) {
  zoom = ClampZoom(zoom);
  const std::int32_t width = picture.Width, height = picture.Height;
  if (!display || display->Width != DisplayWidth(width) || display->Height != height) {
    display.reset();
    display = AllocateBitmap32(DisplayWidth(width), height, available);
    if (!display) return false;
  }
  const std::int32_t shownColumns = display->Width / zoom, shownRows = height / zoom;
  for (std::int32_t i = 0; i < shownRows; ++i)
    BuildRow(picture.Row(zoom * i), width, zoom, connectable, shownColumns, display->Width, display->Row(i));
  if (shownRows < height)
    std::memset(display->Row(shownRows), 0xFF, std::size_t(height - shownRows) * display->Width * 4);
  return true;
}

bool RefreshDisplayPart(Bitmap32& display, const Picture& picture, std::int32_t zoom, bool connectable,
                        const DisplayPart& part) {
  zoom = ClampZoom(zoom);
  if (display.Width != DisplayWidth(picture.Width) || display.Height != picture.Height) return false;
  const std::int32_t top = std::clamp(part.Top, 0, display.Height), left = std::clamp(part.Left, 0, display.Width);
  const std::int32_t bottom = top + std::clamp(part.Height, 0, display.Height - top);
  const std::int32_t right = left + std::clamp(part.Width, 0, display.Width - left);
  const std::int32_t shownColumns = display.Width / zoom, shownRows = picture.Height / zoom;
  for (std::int32_t i = top; i < bottom; ++i) {
    if (i < shownRows)
      BuildColumns(picture.Row(zoom * i), picture.Width, zoom, connectable, shownColumns, left, right, display.Row(i));
    else
      std::memset(display.Row(i) + std::size_t(left) * 4, 0xFF, std::size_t(right - left) * 4);
  }
  return true;
}

std::optional<Bitmap32> BuildDisplayBitmap(const Picture& picture, std::int32_t zoom, bool connectable) {
  std::optional<Bitmap32> display;
  RebuildDisplayBitmap(display, picture, zoom, connectable);
  return display;
}

}  // namespace tessmark

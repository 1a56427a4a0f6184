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

// Display rows first ... end - 1 of a display that fits the picture at this zoom.
void BuildRows(Bitmap32& display, const Picture& picture, std::int32_t zoom, bool connectable, std::int32_t first,
               std::int32_t end) {
  const std::int32_t shownColumns = display.Width / zoom, shownRows = picture.Height / zoom;
  for (std::int32_t i = first; i < std::min(end, shownRows); ++i)
    BuildRow(picture.Row(zoom * i), picture.Width, zoom, connectable, shownColumns, display.Width, display.Row(i));
  if (const std::int32_t white = std::max(first, shownRows); white < end)
    std::memset(display.Row(white), 0xFF, std::size_t(end - white) * display.Width * 4);
}

}  // namespace

bool RebuildDisplayBitmap(std::optional<Bitmap32>& display, const Picture& picture, std::int32_t zoom,
                          bool connectable, const AvailableMemory& available) {
  zoom = std::clamp(zoom, 1, 16);
  const std::int32_t width = picture.Width, height = picture.Height;
  if (!display || display->Width != DisplayWidth(width) || display->Height != height) {
    display.reset();
    display = AllocateBitmap32(DisplayWidth(width), height, available);
    if (!display) return false;
  }
  BuildRows(*display, picture, zoom, connectable, 0, height);
  return true;
}

bool RefreshDisplayRows(Bitmap32& display, const Picture& picture, std::int32_t zoom, bool connectable,
                        std::int32_t firstRow, std::int32_t rowCount) {
  zoom = std::clamp(zoom, 1, 16);
  if (display.Width != DisplayWidth(picture.Width) || display.Height != picture.Height) return false;
  const std::int32_t first = std::clamp(firstRow, 0, picture.Height);
  BuildRows(display, picture, zoom, connectable, first, first + std::clamp(rowCount, 0, picture.Height - first));
  return true;
}

std::optional<Bitmap32> BuildDisplayBitmap(const Picture& picture, std::int32_t zoom, bool connectable) {
  std::optional<Bitmap32> display;
  RebuildDisplayBitmap(display, picture, zoom, connectable);
  return display;
}

}  // namespace tessmark

#include "picture/Canvas.h"

#include <algorithm>
#include <cstring>

namespace tessmark {
namespace {

// 48 bytes hold 16 whole pixels and are a multiple of the vector width, so the loops below run on
// whole blocks of a repeating colour pattern and the compiler vectorises them.
constexpr int BlockBytes = 48;

void StoreRun(std::uint8_t* p, std::int64_t n, Color c) {
  std::uint8_t pattern[BlockBytes];
  for (int i = 0; i < BlockBytes; i += 3) {
    pattern[i] = c.Red;
    pattern[i + 1] = c.Green;
    pattern[i + 2] = c.Blue;
  }
  std::int64_t bytes = n * 3;
  for (; bytes >= BlockBytes; bytes -= BlockBytes, p += BlockBytes) std::memcpy(p, pattern, BlockBytes);
  std::memcpy(p, pattern, static_cast<std::size_t>(bytes));
}

void BlendRun(std::uint8_t* p, std::int64_t n, Color c, std::uint8_t weight) {
  const std::uint16_t keep = 255 - weight;
  std::uint16_t added[BlockBytes];
  for (int i = 0; i < BlockBytes; i += 3) {
    added[i] = static_cast<std::uint16_t>(c.Red * weight);
    added[i + 1] = static_cast<std::uint16_t>(c.Green * weight);
    added[i + 2] = static_cast<std::uint16_t>(c.Blue * weight);
  }
  std::int64_t bytes = n * 3;
  for (; bytes >= BlockBytes; bytes -= BlockBytes, p += BlockBytes) {
    for (int i = 0; i < BlockBytes; ++i) p[i] = static_cast<std::uint8_t>((p[i] * keep + added[i]) / 255);
  }
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>((p[i] * keep + added[i]) / 255);
}

}  // namespace

void PaintRun(std::uint8_t* pixels, std::int64_t n, Color c, std::uint8_t weight) {
  if (weight == 255) {
    StoreRun(pixels, n, c);
  } else if (weight != 0) {  // weight 0 gives back every old value exactly
    BlendRun(pixels, n, c, weight);
  }
}

void WriteSpan(const Canvas& canvas, std::int64_t x, std::int64_t y, std::int64_t length, Color c) {
  if (length <= 0 || canvas.BlendWeight == 0) return;
  Picture& picture = canvas.Target;
  const std::int64_t width = picture.Width;
  if (!canvas.Connectable) {
    if (y < 0 || y >= picture.Height) return;
    const std::int64_t from = std::max<std::int64_t>(x, 0);
    const std::int64_t to = std::min<std::int64_t>(x + length, width);
    if (from < to) PaintRun(picture.Row(static_cast<std::int32_t>(y)) + from * 3, to - from, c, canvas.BlendWeight);
    return;
  }
  // Storing the same colour again changes nothing; only blending needs every lap of a long run.
  if (canvas.BlendWeight == 255) length = std::min(length, width);
  std::uint8_t* row = picture.Row(WrapCoordinate64(y, picture.Height));
  std::int64_t column = WrapCoordinate64(x, picture.Width);
  while (length > 0) {
    const std::int64_t piece = std::min(length, width - column);
    PaintRun(row + column * 3, piece, c, canvas.BlendWeight);
    length -= piece;
    column = 0;
  }
}

}  // namespace tessmark

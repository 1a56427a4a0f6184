#include "picture/Canvas.h"

#include <algorithm>
#include <cstring>

namespace tessmark {
namespace {

// v / 255 for v <= 255 * 255, in 16-bit steps that vectorise (the quotient BlendChannel takes).
constexpr std::uint16_t DivideBy255(std::uint16_t v) { return static_cast<std::uint16_t>((v + 1 + (v >> 8)) >> 8); }

}  // namespace

RunPattern::RunPattern(Color c, std::uint8_t weight) : weight_(weight) {
  const std::uint8_t channels[3] = {c.Red, c.Green, c.Blue};
  for (int i = 0; i < BlockBytes; ++i) {
    colour_[i] = channels[i % 3];
    added_[i] = static_cast<std::uint16_t>(channels[i % 3] * weight);
  }
}

void RunPattern::Paint(std::uint8_t* pixels, std::int64_t n) const {
  std::int64_t bytes = n * 3;
  if (weight_ == 255) {
    for (; bytes >= BlockBytes; bytes -= BlockBytes, pixels += BlockBytes) std::memcpy(pixels, colour_, BlockBytes);
    std::memcpy(pixels, colour_, static_cast<std::size_t>(bytes));
  } else if (weight_ != 0) {  // weight 0 gives back every old value exactly
    Blend(pixels, bytes);
  }
}

void RunPattern::Blend(std::uint8_t* p, std::int64_t bytes) const {
  const auto keep = static_cast<std::uint16_t>(255 - weight_);
  for (; bytes > 0; bytes -= BlockBytes, p += BlockBytes) {
    const int block = static_cast<int>(std::min<std::int64_t>(bytes, BlockBytes));
    for (int i = 0; i < block; ++i) {
      p[i] = static_cast<std::uint8_t>(DivideBy255(static_cast<std::uint16_t>(p[i] * keep + added_[i])));
    }
  }
}

void SpanPainter::Paint(std::int64_t x, std::int64_t y, std::int64_t length) const {
  if (length <= 0 || run_.Weight() == 0) return;
  const std::int64_t width = picture_.Width;
  if (!connectable_) {
    if (y < 0 || y >= picture_.Height) return;
    const std::int64_t from = std::max<std::int64_t>(x, 0);
    const std::int64_t to = std::min<std::int64_t>(x + length, width);
    if (from < to) run_.Paint(picture_.Row(static_cast<std::int32_t>(y)) + from * 3, to - from);
    return;
  }
  // Storing the same colour again changes nothing; only blending needs every lap of a long run.
  if (run_.Weight() == 255) length = std::min(length, width);
  std::uint8_t* row = picture_.Row(WrapCoordinate64(y, picture_.Height));
  std::int64_t column = WrapCoordinate64(x, picture_.Width);
  while (length > 0) {
    const std::int64_t piece = std::min(length, width - column);
    run_.Paint(row + column * 3, piece);
    length -= piece;
    column = 0;
  }
}

void WriteSpan(const Canvas& canvas, std::int64_t x, std::int64_t y, std::int64_t length, Color c) {
  SpanPainter(canvas, c).Paint(x, y, length);
}

void PaintRun(std::uint8_t* pixels, std::int64_t n, Color c, std::uint8_t weight) { RunPattern(c, weight).Paint(pixels, n); }

}  // namespace tessmark

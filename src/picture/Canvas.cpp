#include "picture/Canvas.h"

#include <algorithm>
#include <cstring>

namespace tessmark {
namespace {

// v / 255 for v <= 255 * 255, in 16-bit steps that vectorise (the quotient BlendChannel takes).
constexpr std::uint16_t DivideBy255(std::uint16_t v) { return static_cast<std::uint16_t>((v + 1 + (v >> 8)) >> 8); }

}  // namespace

RunPattern::RunPattern(Color c, std::uint8_t weight) : weight_(weight) {
  colour_[0] = c.Red;
  colour_[1] = c.Green;
  colour_[2] = c.Blue;
  for (int filled = 3; filled < BlockBytes; filled *= 2) {
    std::memcpy(colour_ + filled, colour_, static_cast<std::size_t>(std::min(filled, BlockBytes - filled)));
  }
  if (weight == 0 || weight == 255) return;  // stored or skipped, never blended
  for (int i = 0; i < BlockBytes; ++i) added_[i] = static_cast<std::uint16_t>(colour_[i] * weight);
}

void RunPattern::Paint(std::uint8_t* pixels, std::int64_t n) const {
  if (weight_ == 255) {
    Store(pixels, n * 3);
  } else if (weight_ != 0) {  // weight 0 gives back every old value exactly
    Blend(pixels, n * 3);
  }
}

// Every piece starts at a whole pixel, so the pattern lines up with it wherever it starts; pieces
// that overlap store the same bytes twice, which lets every copy have a fixed size.
void RunPattern::Store(std::uint8_t* p, std::int64_t bytes) const {
  if (bytes >= BlockBytes) {
    for (std::int64_t at = 0; at + BlockBytes <= bytes; at += BlockBytes) std::memcpy(p + at, colour_, BlockBytes);
    std::memcpy(p + bytes - BlockBytes, colour_, BlockBytes);
  } else if (bytes >= 24) {
    std::memcpy(p, colour_, 24);
    std::memcpy(p + bytes - 24, colour_, 24);
  } else if (bytes >= 12) {
    std::memcpy(p, colour_, 12);
    std::memcpy(p + bytes - 12, colour_, 12);
  } else if (bytes >= 6) {
    std::memcpy(p, colour_, 6);
    std::memcpy(p + bytes - 6, colour_, 6);
  } else if (bytes == 3) {
    std::memcpy(p, colour_, 3);
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
  if (counts_) {  // y lands on the row being counted
    counts_->Add(x, length);
    return;
  }
  const std::int64_t width = picture_.Width;
  if (!connectable_) {
    if (y < firstRow_ || y >= endRow_) return;
    const std::int64_t from = std::max<std::int64_t>(x, 0);
    const std::int64_t to = std::min<std::int64_t>(x + length, width);
    if (from < to) run_.Paint(picture_.Row(static_cast<std::int32_t>(y)) + from * 3, to - from);
    return;
  }
  // Storing the same colour again changes nothing; only blending needs every lap of a long run.
  if (run_.Weight() == 255) length = std::min(length, width);
  const std::int32_t wrapped = WrapCoordinate64(y, picture_.Height);
  if (wrapped < firstRow_ || wrapped >= endRow_) return;
  std::uint8_t* row = picture_.Row(wrapped);
  std::int64_t column = WrapCoordinate64(x, picture_.Width);
  while (length > 0) {
    const std::int64_t piece = std::min(length, width - column);
    run_.Paint(row + column * 3, piece);
    length -= piece;
    column = 0;
  }
}

void SpanPainter::PaintSameRows(std::int64_t yFrom, std::int64_t yTo, std::int64_t x, std::int64_t length) {
  if (!CountsWrites(yTo - yFrom, length)) {
    PaintRows(yFrom, yTo, x, length, [&](std::int64_t y) { Paint(x, y, length); });
    return;
  }
  CountRows([&](std::int32_t row, RowWrites& writes) {
    const std::int64_t first = FirstRowOnto(row, yFrom);
    if (first < yTo) writes.Add(x, length, (yTo - 1 - first) / picture_.Height + 1);
  });
}

bool SpanPainter::CountsWrites(std::int64_t rows, std::int64_t length) const {
  // Counting costs a few passes over the picture, so it pays once the straight writes come to
  // several times its area; a row of the counts takes 8 bytes a pixel, so very wide pictures do
  // without.
  constexpr double AreasWorthCounting = 8;
  constexpr std::int32_t WidestCounted = 1 << 20;
  if (!connectable_ || run_.Weight() == 0 || picture_.Width > WidestCounted) return false;
  // Stored runs are cut to one lap of the row; blended ones write every lap.
  const std::int64_t written = run_.Weight() == 255 ? std::min<std::int64_t>(length, picture_.Width) : length;
  return static_cast<double>(rows) * static_cast<double>(written) >
         AreasWorthCounting * static_cast<double>(picture_.Width) * static_cast<double>(picture_.Height);
}

void SpanPainter::Prefetch(std::int64_t x, std::int64_t y, std::int64_t length) const {
  constexpr std::int64_t LineBytes = 64;
  constexpr std::int64_t MaxLines = 4;
  if (length <= 0) return;
  if (connectable_) {
    x = WrapCoordinate64(x, picture_.Width);
    y = WrapCoordinate64(y, picture_.Height);
  } else if (y < 0 || y >= picture_.Height) {
    return;
  } else {
    x = std::clamp<std::int64_t>(x, 0, picture_.Width - 1);
  }
  const std::uint8_t* start = picture_.Row(static_cast<std::int32_t>(y)) + x * 3;
  const std::int64_t bytes = std::min({length, picture_.Width - x, MaxLines * LineBytes / 3}) * 3;
  for (std::int64_t at = 0; at < bytes; at += LineBytes) __builtin_prefetch(start + at, 1);
}

void WriteSpan(const Canvas& canvas, std::int64_t x, std::int64_t y, std::int64_t length, Color c) {
  SpanPainter(canvas, c).Paint(x, y, length);
}

void PaintRun(std::uint8_t* pixels, std::int64_t n, Color c, std::uint8_t weight) { RunPattern(c, weight).Paint(pixels, n); }

}  // namespace tessmark

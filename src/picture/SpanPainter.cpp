#include "picture/SpanPainter.h"

#include <algorithm>

namespace tessmark {

void SpanPainter::Paint(std::int64_t x, std::int64_t y, std::int64_t length) const {
  if (length <= 0 || !paints_) return;
  if (counts_) {  // y lands on the row being counted
    counts_->Add(x, length);
    return;
  }
  const std::int64_t width = picture_.Width;
  if (!connectable_) {
    if (y < firstRow_ || y >= endRow_) return;
    const std::int64_t from = std::max<std::int64_t>(x, 0);
    const std::int64_t to = std::min<std::int64_t>(x + length, width);
    if (from < to) Write(static_cast<std::int32_t>(y), from, to - from);
    return;
  }
  // Storing the same colour again changes nothing; only blending needs every lap of a long run.
  if (stores_) length = std::min(length, width);
  const std::int32_t wrapped = WrapCoordinate64(y, picture_.Height);
  if (wrapped < firstRow_ || wrapped >= endRow_) return;
  std::int64_t column = WrapCoordinate64(x, picture_.Width);
  while (length > 0) {
    const std::int64_t piece = std::min(length, width - column);
    Write(wrapped, column, piece);
    length -= piece;
    column = 0;
  }
}

void SpanPainter::PaintSameRows(std::int64_t yFrom, std::int64_t yTo, std::int64_t x, std::int64_t length) {
  if (!paints_) return;
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
  // several times its area.
  constexpr double AreasWorthCounting = 8;
  if (!connectable_ || !paints_) return false;
  // Stored runs are cut to one lap of the row; blended ones write every lap.
  const std::int64_t written = stores_ ? std::min<std::int64_t>(length, picture_.Width) : length;
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
  const std::int64_t bytes = std::min({length, picture_.Width - x, MaxLines * LineBytes / 3}) * 3;
  const auto prefetch = [&](const PixelGrid& picture) {
    const std::uint8_t* start = picture.Row(static_cast<std::int32_t>(y)) + x * 3;
    for (std::int64_t at = 0; at < bytes; at += LineBytes) __builtin_prefetch(start + at, 1);
  };
  prefetch(picture_);
  for (const AlsoPainted& also : also_) prefetch(also.Target);
}

void WriteSpan(const Canvas& canvas, std::int64_t x, std::int64_t y, std::int64_t length, Color c) {
  SpanPainter(canvas, c).Paint(x, y, length);
}

}  // namespace tessmark

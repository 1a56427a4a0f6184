#pragma once

#include <algorithm>
#include <cstdint>

#include "picture/Picture.h"
#include "picture/RowWrites.h"

namespace tessmark {

// A picture as one shape paints it: whether coordinates wrap around the edges, and the weight with
// which the shape's colour is mixed over what is there (255 replaces, 0 keeps the old colour).
// Only picture rows FirstRow ... EndRow - 1 (after wrapping) are written, so that a batch of shapes
// can be painted one band of rows at a time.
struct Canvas {
  Picture& Target;
  bool Connectable = true;
  std::uint8_t BlendWeight = 255;
  std::int32_t FirstRow = 0;
  std::int32_t EndRow = INT32_MAX;

  bool WritesRow(std::int64_t row) const { return row >= FirstRow && row < EndRow; }
};

// Non-negative remainder for any 64-bit coordinate (shapes far larger than the picture included).
// Shapes stay within about one picture size of the picture, so the common cases cost a compare and
// an add, not a division.
constexpr std::int32_t WrapCoordinate64(std::int64_t v, std::int32_t size) {
  if (v >= 0) {
    if (v < size) return static_cast<std::int32_t>(v);
    if (v - size < size) return static_cast<std::int32_t>(v - size);
  } else if (v >= -std::int64_t{size}) {
    return static_cast<std::int32_t>(v + size);
  }
  const std::int64_t r = v % size;
  return static_cast<std::int32_t>(r < 0 ? r + size : r);
}

// Wraps (when connectable), blends with the canvas weight and stores one pixel.
// False when the pixel falls outside the picture and nothing was stored.
inline bool WritePixel(const Canvas& canvas, std::int64_t x, std::int64_t y, Color c) {
  Picture& picture = canvas.Target;
  if (canvas.Connectable) {
    x = WrapCoordinate64(x, picture.Width);
    y = WrapCoordinate64(y, picture.Height);
  } else if (x < 0 || y < 0 || x >= picture.Width || y >= picture.Height) {
    return false;
  }
  if (!canvas.WritesRow(y)) return false;
  std::uint8_t* p = picture.Row(static_cast<std::int32_t>(y)) + x * 3;
  const std::uint8_t w = canvas.BlendWeight;
  if (w == 255) {
    p[0] = c.Red;
    p[1] = c.Green;
    p[2] = c.Blue;
  } else {
    p[0] = BlendChannel(p[0], c.Red, w);
    p[1] = BlendChannel(p[1], c.Green, w);
    p[2] = BlendChannel(p[2], c.Blue, w);
  }
  return true;
}

// One colour at one weight laid out for whole runs of pixels: the colour repeated, and for blending
// the colour already multiplied by the weight.
class RunPattern {
 public:
  // 48 bytes hold 16 whole pixels and are a multiple of the vector width, so runs are painted in
  // whole blocks of the repeating pattern.
  static constexpr int BlockBytes = 48;

  RunPattern(Color c, std::uint8_t weight);

  // Paints n consecutive pixels of one row: stores the colour, or blends it with the weight.
  void Paint(std::uint8_t* pixels, std::int64_t n) const;

  std::uint8_t Weight() const { return weight_; }

 private:
  void Store(std::uint8_t* p, std::int64_t bytes) const;
  void Blend(std::uint8_t* p, std::int64_t bytes) const;

  std::uint8_t weight_;
  std::uint8_t colour_[BlockBytes];
  std::uint16_t added_[BlockBytes];
};

// Writes horizontal runs of one shape onto the canvas, each exactly as that many WritePixel calls
// would. Built once per shape, so a row costs only its wrap and its writes.
class SpanPainter {
 public:
  SpanPainter(const Canvas& canvas, Color c)
      : picture_(canvas.Target),
        connectable_(canvas.Connectable),
        firstRow_(std::clamp(canvas.FirstRow, 0, picture_.Height)),
        endRow_(std::clamp(canvas.EndRow, firstRow_, picture_.Height)),
        colour_(c),
        run_(c, canvas.BlendWeight) {}

  // The pixels (x, y) ... (x + length - 1, y); a run longer than the picture wraps onto itself and
  // blends those pixels again.
  void Paint(std::int64_t x, std::int64_t y, std::int64_t length) const;

  // Calls paintRow(y) for y = yFrom ... yTo - 1 (without wrap-around only for the rows on the
  // picture); paintRow paints the row's runs through Paint. x ... x + length - 1 bound the runs.
  //
  // Runs are written straight away, the memory system asked beforehand for the start of each
  // row several rows ahead: shapes land anywhere on a picture too large for the caches, and
  // blending must read every pixel before it writes it.
  //
  // A shape whose writes far exceed the picture instead has them counted, one picture row at a
  // time: the shape rows landing on it are taken until every pixel has had all the writes that can
  // still change it, and the counts are then applied at once. Which rows are painted and how often
  // each pixel is written is the same either way, so the picture is too.
  template <class PaintRow>
  void PaintRows(std::int64_t yFrom, std::int64_t yTo, std::int64_t x, std::int64_t length, PaintRow&& paintRow) {
    if (!connectable_) {  // rows off the picture would write nothing
      yFrom = std::max<std::int64_t>(yFrom, firstRow_);
      yTo = std::min<std::int64_t>(yTo, endRow_);
    }
    if (yFrom >= yTo) return;
    if (CountsWrites(yTo - yFrom, length)) {
      CountRows([&](std::int32_t row, RowWrites& writes) {
        for (std::int64_t y = FirstRowOnto(row, yFrom); y < yTo && !writes.Settled(); y += picture_.Height) paintRow(y);
      });
    } else if (!connectable_) {
      PaintRowsOnPicture(yFrom, yTo, x, length, paintRow);
    } else {
      // Only the shape rows that wrap onto the band: one stretch of them per lap of the picture.
      for (std::int64_t lap = yFrom - WrapCoordinate64(yFrom, picture_.Height); lap < yTo; lap += picture_.Height) {
        PaintRowsOnPicture(std::max(yFrom, lap + firstRow_), std::min(yTo, lap + endRow_), x, length, paintRow);
      }
    }
  }

  // The same run x ... x + length - 1 on every row yFrom ... yTo - 1: when counted, each picture
  // row takes it once for as many shape rows as land there.
  void PaintSameRows(std::int64_t yFrom, std::int64_t yTo, std::int64_t x, std::int64_t length);

 private:
  // The rows yFrom ... yTo - 1, written straight away.
  template <class PaintRow>
  void PaintRowsOnPicture(std::int64_t yFrom, std::int64_t yTo, std::int64_t x, std::int64_t length, PaintRow& paintRow) {
    constexpr std::int64_t RowsAhead = 6;
    for (std::int64_t y = yFrom; y < yTo && y < yFrom + RowsAhead; ++y) Prefetch(x, y, length);
    for (std::int64_t y = yFrom; y < yTo; ++y) {
      if (y + RowsAhead < yTo) Prefetch(x, y + RowsAhead, length);
      paintRow(y);
    }
  }

  // Whether the shape's writes are worth counting rather than making one by one.
  bool CountsWrites(std::int64_t rows, std::int64_t length) const;

  // Calls countRow(row, writes) for every picture row, then lays what it counted onto the row.
  template <class CountRow> void CountRows(CountRow&& countRow) {
    const RepeatedBlend blend(colour_, run_.Weight());
    RowWrites writes(picture_.Width, blend.Settled());
    counts_ = &writes;
    for (std::int32_t row = firstRow_; row < endRow_; ++row) {
      countRow(row, writes);
      writes.ApplyTo(picture_.Row(row), blend);
    }
    counts_ = nullptr;
  }

  // The first shape row from yFrom on that wraps onto picture row `row`.
  std::int64_t FirstRowOnto(std::int32_t row, std::int64_t yFrom) const {
    return yFrom + WrapCoordinate64(row - yFrom, picture_.Height);
  }

  // Only the start of the run: further along a row the hardware's own prefetching takes over.
  void Prefetch(std::int64_t x, std::int64_t y, std::int64_t length) const;

  Picture& picture_;
  bool connectable_;
  std::int32_t firstRow_, endRow_;  // the band of picture rows written
  Color colour_;
  RunPattern run_;
  RowWrites* counts_ = nullptr;  // where runs go while a shape is counted
};

// One run painted as SpanPainter does; for a single run of a shape.
void WriteSpan(const Canvas& canvas, std::int64_t x, std::int64_t y, std::int64_t length, Color c);

// Paints n consecutive pixels of one row: stores the colour, or blends it with the weight.
void PaintRun(std::uint8_t* pixels, std::int64_t n, Color c, std::uint8_t weight);

}  // namespace tessmark

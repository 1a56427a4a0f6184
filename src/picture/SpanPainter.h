#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "picture/Canvas.h"
#include "picture/RowWrites.h"
#include "picture/RunPattern.h"

namespace tessmark {

// A shape whose rows are only ever painted.
struct NoRowCounts {
  NoRowCounts operator()() const { return {}; }
  std::int64_t RowCost() const { return std::numeric_limits<std::int64_t>::max(); }
  void CountRow(std::int32_t, RowWrites&) const {}
};

// Writes horizontal runs of one shape onto the canvas, each exactly as that many WritePixel calls
// would. Built once per shape, so a row costs only its wrap and its writes; each further picture
// the canvas paints costs only its writes.
class SpanPainter {
 public:
  SpanPainter(const Canvas& canvas, Color c)
      : picture_(canvas.Target),
        connectable_(canvas.Connectable),
        firstRow_(std::clamp(canvas.FirstRow, 0, picture_.Height)),
        endRow_(std::clamp(canvas.EndRow, firstRow_, picture_.Height)),
        run_(c, canvas.BlendWeight),
        also_(canvas.Also),
        paints_(!canvas.KeepsEveryPixel()),
        stores_(canvas.StoresEveryPixel()) {}

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
  //
  // A long thin shape never gets that far. A row not settled after a few times the rows that
  // settle a wide shape (more when counting costs much more), and never after as many as counting
  // costs, is counted instead by makeCounts()'s result: RowCost() in shape rows, CountRow(row, writes).
  template <class PaintRow, class MakeCounts = NoRowCounts>
  void PaintRows(std::int64_t yFrom, std::int64_t yTo, std::int64_t x, std::int64_t length, PaintRow&& paintRow,
                 MakeCounts&& makeCounts = {}) {
    if (!connectable_) {  // rows off the picture would write nothing
      yFrom = std::max<std::int64_t>(yFrom, firstRow_);
      yTo = std::min<std::int64_t>(yTo, endRow_);
    }
    if (yFrom >= yTo || !paints_) return;  // weight 0 keeps every pixel as it is
    if (CountsWrites(yTo - yFrom, length)) {
      const auto counts = makeCounts();
      CountRows([&](std::int32_t row, RowWrites& writes) {
        const std::int64_t cost = counts.RowCost();
        const std::int64_t visits = std::min(cost, std::max(cost / 8, 4 * writes.Enough() + 16));
        std::int64_t y = FirstRowOnto(row, yFrom);
        for (std::int64_t visited = 0; y < yTo && !writes.Settled(); y += picture_.Height, ++visited) {
          if (visited == visits) {
            writes.Clear();
            counts.CountRow(row, writes);
            return;
          }
          paintRow(y);
        }
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

  // Whether the shape's writes are worth counting rather than making one by one.
  bool CountsWrites(std::int64_t rows, std::int64_t length) const;

  // Every picture row written as counts.CountRow(row, writes) counts it.
  template <class Counts> void PaintCounted(const Counts& counts) {
    CountRows([&](std::int32_t row, RowWrites& writes) { counts.CountRow(row, writes); });
  }

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

  // Calls countRow(row, writes) for every stretch of every picture row, then lays what it counted
  // onto the stretch.
  template <class CountRow> void CountRows(CountRow&& countRow) {
    const RepeatedBlend blend(run_.Colour(), run_.Weight());
    std::vector<RepeatedBlend> alsoBlends;
    std::int64_t enough = blend.Settled();
    for (const AlsoPainted& also : also_) {
      enough = std::max(enough, alsoBlends.emplace_back(also.Run.Colour(), also.Run.Weight()).Settled());
    }
    RowWrites writes(picture_.Width, enough);
    counts_ = &writes;
    for (std::int32_t row = firstRow_; row < endRow_; ++row) {
      for (std::int64_t first = 0; first < picture_.Width; first += RowWrites::MaxColumns) {
        writes.Start(static_cast<std::int32_t>(first));
        countRow(row, writes);
        writes.ApplyTo(picture_.Row(row), blend);
        for (std::size_t k = 0; k < also_.size(); ++k) writes.ApplyTo(also_[k].Target.Row(row), alsoBlends[k]);
        writes.Clear();
      }
    }
    counts_ = nullptr;
  }

  // n pixels from `column` on picture row `row`, on every picture painted.
  void Write(std::int32_t row, std::int64_t column, std::int64_t n) const {
    run_.Paint(picture_.Row(row) + column * 3, n);
    for (const AlsoPainted& also : also_) also.Run.Paint(also.Target.Row(row) + column * 3, n);
  }

  // The first shape row from yFrom on that wraps onto picture row `row`.
  std::int64_t FirstRowOnto(std::int32_t row, std::int64_t yFrom) const {
    return yFrom + WrapCoordinate64(row - yFrom, picture_.Height);
  }

  // Only the start of the run: further along a row the hardware's own prefetching takes over.
  void Prefetch(std::int64_t x, std::int64_t y, std::int64_t length) const;

  PixelGrid picture_;
  bool connectable_;
  std::int32_t firstRow_, endRow_;  // the band of picture rows written
  RunPattern run_;
  std::span<const AlsoPainted> also_;
  bool paints_;  // some picture takes a weight above 0
  bool stores_;  // every picture takes weight 255
  RowWrites* counts_ = nullptr;  // where runs go while a shape is counted
};

// One run painted as SpanPainter does; for a single run of a shape.
void WriteSpan(const Canvas& canvas, std::int64_t x, std::int64_t y, std::int64_t length, Color c);

}  // namespace tessmark

#pragma once

#include <cstdint>

#include <functional>

#include "paint/WorkerPool.h"
#include "picture/Picture.h"

namespace tessmark {

// The rows Y ... Y + Rows - 1 (before wrapping) a shape may write, at most Columns pixels of
// each: it writes nothing outside them, and nothing at all when Rows is 0 or less.
struct ShapeBounds {
  std::int64_t Y = 0;
  std::int64_t Rows = 0;
  std::int64_t Columns = 0;
};

// The bands, a few megabytes each, into which a picture too large for the caches is cut so that
// a batch of shapes is painted band by band, each band staying in the caches meanwhile. A shape
// lands on a run of consecutive bands, the last one followed by the first when rows wrap.
class RowBands {
 public:
  // `layers` pictures of this size are painted band by band together, and share the caches.
  RowBands(const Picture& picture, bool connectable, std::size_t layers = 1);
  // Bands of bandRows rows, whatever the picture's size.
  RowBands(const Picture& picture, bool connectable, std::int32_t bandRows);
  // The bands several threads share out, small pictures banded too: the grid depends on the
  // pictures' size alone, never on the thread count.
  static RowBands Shared(const Picture& picture, bool connectable, std::size_t layers = 1);

  // The picture is small enough to paint shapes one by one.
  bool Whole() const { return count_ <= 1; }
  std::int32_t Count() const { return count_; }
  std::int32_t FirstRow(std::int32_t band) const { return band * rows_; }
  std::int32_t EndRow(std::int32_t band) const;

  // Whether a shape this size is worth holding back: the smaller ones, which land on a band or two.
  bool Holds(const ShapeBounds& bounds) const;

  // How much of one pass over the picture the shape makes, in pixels.
  std::int64_t Area(const ShapeBounds& bounds) const;

  struct Run {
    std::int32_t First = 0;
    std::int32_t Count = 0;
  };
  // The bands the shape's rows land on: First, First + 1, ... modulo Count().
  Run BandsOf(const ShapeBounds& bounds) const;

 private:
  std::int32_t width_, height_;
  bool connectable_;
  std::int32_t rows_ = 0;  // of a band; the last one may have fewer
  std::int32_t count_ = 1;
};

// Calls paintRows(first, end) for the rows first ... end - 1 of every shared band, across the
// workers; once for the whole picture when there are none.
void ForEachSharedBand(WorkerPool* workers, const Picture& picture,
                       const std::function<void(std::int32_t, std::int32_t)>& paintRows);

}  // namespace tessmark

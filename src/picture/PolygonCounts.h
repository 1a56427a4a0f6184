#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "picture/CrossingLine.h"
#include "picture/Picture.h"
#include "picture/RowWrites.h"
#include "picture/WholeCrossings.h"

namespace tessmark {

// How many times the even-odd fill of a polygon writes each pixel of a wrap-around picture row,
// worked out from its edges rather than its rows: long thin shapes cover too few pixels of a row
// for it ever to settle, yet may have billions of rows.
//
// A row's crossings, sorted, pair up into the runs from the first to the second, the third to the
// fourth and so on. Between two vertices' rows the same edges cross, and their order changes only
// where two of them meet, so each stretch of rows between such points has every edge at one rank:
// it then starts runs or ends them on all those rows.
class PolygonCounts {
 public:
  PolygonCounts(std::span<const Point> points, std::int32_t width, std::int32_t height);

  // What counting one picture row costs, in polygon rows painted.
  std::int64_t RowCost() const { return rowCost_; }

  // Adds to `writes` (just started) the writes of every polygon row landing on picture row `row`.
  void CountRow(std::int32_t row, RowWrites& writes) const;

 private:
  struct Edge {
    Int128 P;  // crossings floor((P + Q y) / D) on rows From ... To - 1
    std::int64_t Q, D, From, To;
  };
  static Edge EdgeBetween(Point a, Point b);
  static bool WayBack(const Edge& start, const Edge& end);
  static std::int64_t EmptyRows(const Edge& start, const Edge& end, std::int64_t first, std::int64_t last);
  void AddPair(const Edge& start, const Edge& end, std::int64_t from, std::int64_t to);
  void AddStretches(std::vector<const Edge*>& crossing, std::int64_t from, std::int64_t to);

  std::int32_t width_, height_;
  std::vector<CrossingLine> starts_, ends_;  // crossings that start runs, those that end them
  std::vector<WholeCrossings> wholes_;      // rows on which a line of pixels in starts_ writes none
  std::int64_t rowCost_ = 0;
  // The pair of crossings over most rows that has a pixel between it on all but Empty of them.
  struct Widest {
    std::int64_t Rows = 0;
    std::size_t Start = 0;
    std::int64_t Empty = 0;
  } widest_;
  std::int64_t fewest_ = 0;  // writes every pixel has at least
};

}  // namespace tessmark

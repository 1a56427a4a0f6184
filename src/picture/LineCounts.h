#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "picture/CrossingLine.h"
#include "picture/Picture.h"
#include "picture/RowWrites.h"

namespace tessmark {

// How many times the lines of an outline write each pixel of a wrap-around picture row, worked
// out from the lines rather than their steps, as PolygonCounts does for filled shapes.
//
// A line's steps land where doubles round them. Every step but a few lands where the exact
// fraction truncates, which is a floor line: a pixel a row for the pass along y, a run a row for
// the pass along x. The few steps whose exact place lies too near a whole number for the rounding
// to be sure of are found from the slope alone, and moved to where the doubles put them.
class LineCounts {
 public:
  // Takes the lines of the closed outline of at least `fewestSteps` steps, save those with too many
  // steps near a rounding boundary.
  LineCounts(std::span<const Point> points, std::int64_t fewestSteps, std::int32_t width, std::int32_t height);

  // How many steps DrawLine takes from `from` to `to`, within one.
  static std::int64_t Steps(Point from, Point to);

  // Whether the line from point k - 1 to point k (k = points.size() for the last) was taken.
  bool Counted(std::size_t k) const { return counted_[k - 1]; }

  // About how many steps counting every picture row takes.
  std::int64_t Cost() const;

  // Adds to `writes` (just started) the writes of every line onto picture row `row`.
  void CountRow(std::int32_t row, RowWrites& writes) const;

 private:
  // One pass of a line: step k (0 <= k < Count) at Main + Step k along, and across at the
  // truncation of Cross + k Rise / Run (Run > 0) where the doubles do not say otherwise.
  struct Pass {
    std::int64_t Main, Step, Count, Cross, Rise, Run;
    bool AcrossIsRow;
  };
  // A run of writes starts (Sign 1) or ends (-1) at Column, counted in whole columns.
  bool Add(Point from, Point to);

  struct Mark {
    std::int32_t Row;
    std::int64_t Column, Sign;
  };
  // Writes on rows Main + Step k, k in From ... To - 1, at floor((A + B k) / Run).
  struct Part {
    std::int64_t From, To;
    Int128 A;
  };
  using Pixel = std::pair<std::int32_t, std::int32_t>;  // column, row
  bool Rounded(const Pass& pass, std::vector<Mark>& moved, std::vector<Pixel>& taken) const;
  void AddPart(const Pass& pass, const Part& part);
  void AddPixels(const Pass& pass, const Part& part);
  void AddRuns(const Pass& pass, const Part& part);
  void AddPixel(std::vector<Mark>& marks, std::int64_t x, std::int64_t y, std::int64_t sign) const;

  // Lines of run starts, and what they wrote onto the row counted last.
  struct Runs {
    std::vector<CrossingLine> Lines;
    std::vector<std::int64_t> Spans;  // the columns a run has at least
    std::vector<std::int64_t> Steps;
    std::uint64_t Laps = 0;
    std::int64_t Row = -1;
    std::int32_t First = -1;
  };
  void AddRuns(Runs& runs, std::int64_t row, std::int64_t sign, RowWrites::ExactSteps steps, std::uint64_t& laps) const;

  std::int32_t width_, height_;
  std::vector<CrossingLine> pixels_;  // one pixel a row
  // Runs along rows, those rising counted upwards as row -1 - y. Counting a row keeps its runs
  // for the next.
  mutable Runs runs_, upRuns_;
  std::vector<Mark> marks_;  // single starts and ends, by picture row
  std::vector<Pixel> taken_;  // where steps near a boundary were taken from
  std::int64_t fewest_ = 0;   // writes every pixel has at least
  std::vector<bool> counted_;
};

}  // namespace tessmark

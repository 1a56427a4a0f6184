#include "picture/PolygonCounts.h"

#include <algorithm>
#include <numeric>

namespace tessmark {

// The crossing test's truncating division, x_a + trunc((x_b - x_a) (y - y_a) / (y_b - y_a)), as a
// floor: on the edge's rows the quotient keeps the sign of x_b - x_a, and a negative one rounds up.
PolygonCounts::Edge PolygonCounts::EdgeBetween(Point a, Point b) {
  const std::int64_t dx = std::int64_t{b.X} - a.X, dy = std::int64_t{b.Y} - a.Y;
  const std::int64_t d = dy < 0 ? -dy : dy, q = dy < 0 ? -dx : dx;
  const Int128 p = Int128{a.X} * d - Int128{q} * a.Y + (dx < 0 ? d - 1 : 0);
  return {p, q, d, std::min(a.Y, b.Y), std::max(a.Y, b.Y)};
}

PolygonCounts::PolygonCounts(std::span<const Point> points, std::int32_t width, std::int32_t height)
    : width_(width), height_(height) {
  std::vector<Edge> edges;
  std::vector<std::int64_t> rows;
  for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
    if (points[i].Y != points[j].Y) edges.push_back(EdgeBetween(points[i], points[j]));
    rows.push_back(points[i].Y);
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.From < b.From; });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<const Edge*> crossing;
  std::size_t next = 0;
  for (std::size_t k = 0; k + 1 < rows.size(); ++k) {
    std::erase_if(crossing, [&](const Edge* e) { return e->To <= rows[k]; });
    for (; next < edges.size() && edges[next].From == rows[k]; ++next) crossing.push_back(&edges[next]);
    AddStretches(crossing, rows[k], rows[k + 1]);
  }
  // Every pixel is written at least as often as the run of the most rows that always writes its
  // start has crossings in any one column.
  if (widest_.Rows > 0) fewest_ = starts_[widest_.Start].FewestWithin(1) - widest_.Empty;
  std::int64_t cost = 0;
  for (const auto* lines : {&starts_, &ends_})
    for (const CrossingLine& line : *lines) cost += line.Cost();
  for (const WholeCrossings& whole : wholes_) cost += whole.Cost();
  // A polygon row takes a few steps' time for each edge it tests.
  rowCost_ = cost / height_ / (4 * static_cast<std::int64_t>(points.size())) + 1;
}

// The floor and the ceiling of one line (an edge and its way back), which differ where it is not whole.
bool PolygonCounts::WayBack(const Edge& start, const Edge& end) {
  return start.Q == end.Q && start.D == end.D && end.P - start.P == start.D - 1;
}

// At most how many of the rows first ... last have no pixel between the crossings of `start` and
// `end` (start's not right of end's), or -1 when it could be any number.
std::int64_t PolygonCounts::EmptyRows(const Edge& start, const Edge& end, std::int64_t first, std::int64_t last) {
  const auto atLeastAColumn = [&](Int128 y) {
    return (end.P + end.Q * y) * start.D - (start.P + start.Q * y) * end.D >= Int128{start.D} * end.D;
  };
  if (atLeastAColumn(first) && atLeastAColumn(last)) return 0;
  if (!WayBack(start, end)) return -1;
  const std::int64_t whole = std::gcd(start.Q, start.D);
  if (FloorDivide(start.P, whole) * whole != start.P) return 0;
  return static_cast<std::int64_t>(Int128{last - first + 1} * whole / start.D) + 1;
}

// Rows from ... to - 1 crossed by the same edges, cut where two of them change order.
void PolygonCounts::AddStretches(std::vector<const Edge*>& crossing, std::int64_t from, std::int64_t to) {
  // Edge e lies left of edge f on row y while this is negative.
  const auto apart = [](const Edge& e, const Edge& f, Int128 y) {
    return (e.P + e.Q * y) * f.D - (f.P + f.Q * y) * e.D;
  };
  std::vector<std::int64_t> cuts{from, to};
  for (std::size_t i = 0; i < crossing.size(); ++i) {
    for (std::size_t j = i + 1; j < crossing.size(); ++j) {
      const Int128 slope = apart(*crossing[i], *crossing[j], 1) - apart(*crossing[i], *crossing[j], 0);
      if (slope == 0) continue;
      const Int128 at = apart(*crossing[i], *crossing[j], 0);
      const Int128 cut = (slope > 0 ? FloorDivide(-at, slope) : FloorDivide(at, -slope)) + 1;
      if (cut > from && cut < to) cuts.push_back(static_cast<std::int64_t>(cut));
    }
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
    const std::int64_t first = cuts[k], last = cuts[k + 1] - 1;
    // Edges level on the first row are ordered as on the last, which holds for every row between.
    std::sort(crossing.begin(), crossing.end(), [&](const Edge* e, const Edge* f) {
      const Int128 atFirst = apart(*e, *f, first);
      return atFirst < 0 || (atFirst == 0 && apart(*e, *f, last) < 0);
    });
    for (std::size_t rank = 0; rank + 1 < crossing.size(); rank += 2) {
      const Edge& start = *crossing[rank];
      const Edge& end = *crossing[rank + 1];
      // Runs from a line to the same line are empty.
      if (apart(start, end, first) == 0 && apart(start, end, last) == 0) continue;
      AddPair(start, end, first, last + 1);
      const std::int64_t empty = EmptyRows(start, end, first, last);
      if (empty >= 0 && last - first > widest_.Rows) widest_ = {last - first, starts_.size() - 1, empty};
    }
  }
}

// A line and its way back write the floor's pixel on every row but those where the line is
// whole: counted as one line of pixels less those rows.
void PolygonCounts::AddPair(const Edge& start, const Edge& end, std::int64_t from, std::int64_t to) {
  if (WayBack(start, end)) {
    starts_.emplace_back(start.P, start.Q, start.D, from, to, width_, height_, true);
    wholes_.emplace_back(start.P, start.Q, start.D, from, to, width_, height_);
    return;
  }
  starts_.emplace_back(start.P, start.Q, start.D, from, to, width_, height_);
  ends_.emplace_back(end.P, end.Q, end.D, from, to, width_, height_);
}

void PolygonCounts::CountRow(std::int32_t row, RowWrites& writes) const {
  if (writes.SettledBy(fewest_)) return;
  std::uint64_t laps = 0;
  const RowWrites::ExactSteps steps = writes.Exact();
  for (const CrossingLine& line : starts_) line.AddTo(row, 1, steps, laps);
  for (const CrossingLine& line : ends_) line.AddTo(row, -1, steps, laps);
  for (const WholeCrossings& whole : wholes_) whole.AddTo(row, -1, steps);
  writes.AddEverywhere(static_cast<std::int64_t>(laps));
}

}  // namespace tessmark

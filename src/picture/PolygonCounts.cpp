#include "picture/PolygonCounts.h"

#include <algorithm>

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
  std::int64_t cost = 0;
  for (const auto* lines : {&starts_, &ends_})
    for (const CrossingLine& line : *lines) cost += line.Cost();
  // A polygon row takes a few steps' time for each edge it tests.
  rowCost_ = cost / height_ / (4 * static_cast<std::int64_t>(points.size())) + 1;
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
    for (std::size_t rank = 0; rank < crossing.size(); ++rank) {
      const Edge& e = *crossing[rank];
      (rank % 2 == 0 ? starts_ : ends_).emplace_back(e.P, e.Q, e.D, first, last + 1, width_, height_);
    }
  }
}

void PolygonCounts::CountRow(std::int32_t row, RowWrites& writes) const {
  std::uint64_t laps = 0;
  const RowWrites::ExactSteps steps = writes.Exact();
  for (const CrossingLine& line : starts_) line.AddTo(row, 1, steps, laps);
  for (const CrossingLine& line : ends_) line.AddTo(row, -1, steps, laps);
  writes.AddEverywhere(static_cast<std::int64_t>(laps));
}

}  // namespace tessmark

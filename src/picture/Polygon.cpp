#include "picture/Rasterisers.h"

#include <algorithm>
#include <vector>

#include "picture/LineCounts.h"
#include "picture/PolygonCounts.h"
#include "picture/SpanPainter.h"

namespace tessmark {
namespace {

// Whether edge (i, j) crosses row py, and where: the crossing test's own arithmetic (truncating
// division), taken in 64 bits so that far-flung vertices cannot overflow it.
bool EdgeCrossing(std::int32_t xi, std::int32_t yi, std::int32_t xj, std::int32_t yj, std::int32_t py,
                  std::int64_t& xint) {
  if (!((yi <= py && py < yj) || (yj <= py && py < yi))) return false;
  xint = xi + (std::int64_t{xj} - xi) * (std::int64_t{py} - yi) / (std::int64_t{yj} - yi);
  return true;
}

struct Box {
  std::int32_t MinX = 8000000, MinY = 8000000, MaxX = -8000000, MaxY = -8000000;
};

Box BoundingBox(std::span<const Point> points) {
  Box box;
  for (const Point& p : points) {
    box.MinX = std::min(box.MinX, p.X);
    box.MinY = std::min(box.MinY, p.Y);
    box.MaxX = std::max(box.MaxX, p.X);
    box.MaxY = std::max(box.MaxY, p.Y);
  }
  return box;
}

// A pixel px of the row is inside when an odd number of crossings lie right of it. With the
// crossings sorted, that count is constant between neighbours, so the row falls into spans.
void FillRow(const SpanPainter& painter, std::span<const Point> points, const Box& box, std::int32_t y,
             std::vector<std::int64_t>& crossings) {
  crossings.clear();
  std::size_t j = points.size() - 1;
  for (std::size_t i = 0; i < points.size(); j = i++) {
    std::int64_t xint = 0;
    if (EdgeCrossing(points[i].X, points[i].Y, points[j].X, points[j].Y, y, xint)) crossings.push_back(xint);
  }
  std::sort(crossings.begin(), crossings.end());
  const std::size_t k = crossings.size();
  for (std::size_t i = 0; i < k; ++i) {
    if ((k - i) % 2 == 0) continue;  // pixels before crossing i have k - i crossings to their right
    const std::int64_t from = std::max<std::int64_t>(i == 0 ? box.MinX : crossings[i - 1], box.MinX);
    const std::int64_t to = std::min<std::int64_t>(crossings[i] - 1, box.MaxX);
    if (from <= to) painter.Paint(from, y, to - from + 1);
  }
}

// An outline writing the picture over many times is counted, a line at a time; its short lines,
// and those whose rounding would take too long to pin down, are drawn as they are.
void DrawOutline(const Canvas& canvas, std::span<const Point> points, Color c) {
  const PixelGrid picture = canvas.Target;
  std::int64_t total = 0;
  for (std::size_t k = 1; k <= points.size(); ++k) total += LineCounts::Steps(points[k - 1], points[k % points.size()]);
  SpanPainter painter(canvas, c);
  const bool counted = painter.CountsWrites(total, 1);
  // Counting a line costs about as much as a step of it for every row of the picture.
  const LineCounts counts(counted ? points : std::span<const Point>{}, picture.Height, picture.Width, picture.Height);
  for (std::size_t k = 1; k <= points.size(); ++k) {
    const Point& from = points[k - 1];
    const Point& to = points[k % points.size()];
    if (!counted || !counts.Counted(k)) DrawLine(canvas, c, from.X, from.Y, to.X, to.Y);
  }
  if (counted) painter.PaintCounted(counts);
}

}  // namespace

bool PointInPolygon(std::span<const std::int32_t> xs, std::span<const std::int32_t> ys, std::int32_t px,
                    std::int32_t py) {
  const std::size_t n = std::min(xs.size(), ys.size());
  if (n == 0) return false;
  bool inside = false;
  std::size_t j = n - 1;
  for (std::size_t i = 0; i < n; j = i++) {
    std::int64_t xint = 0;
    if (EdgeCrossing(xs[i], ys[i], xs[j], ys[j], py, xint) && px < xint) inside = !inside;
  }
  return inside;
}

void DrawPolygon(const Canvas& canvas, std::span<const Point> points, Color c, bool fill) {
  if (points.empty() || canvas.KeepsEveryPixel()) return;
  if (!fill) {
    DrawOutline(canvas, points, c);
    return;
  }
  const Box box = BoundingBox(points);
  SpanPainter painter(canvas, c);
  std::vector<std::int64_t> crossings;
  crossings.reserve(points.size());
  painter.PaintRows(box.MinY, std::int64_t{box.MaxY} + 1, box.MinX, std::int64_t{box.MaxX} - box.MinX + 1,
                    [&](std::int64_t y) { FillRow(painter, points, box, static_cast<std::int32_t>(y), crossings); },
                    [&] { return PolygonCounts(points, canvas.Target.Width, canvas.Target.Height); });
}

}  // namespace tessmark

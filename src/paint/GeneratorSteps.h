#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "paint/PaintContext.h"
#include "paint/ShapeBatch.h"
#include "picture/Rasterisers.h"

namespace tessmark {

// The angle constants of the generators, fixed to these digits so that vertices and stroke
// corners truncate exactly the same way on every machine.
inline constexpr double Pi = 3.141592654;
inline constexpr double HalfPi = 1.570796327;

// Paints shapes as RepeatShapes does. drawOne makes a shape's random draws, sets the blend weight
// and gives the shape as Drawn; shapes are painted in batches, on the workers when there are some.
// The draws never look at the picture, so their order and the weight and random state a run
// leaves are those of shapes painted one by one.
template <class DrawOne> void PaintDrawnShapes(PaintContext& context, std::int32_t count, DrawOne&& drawOne) {
  ShapeBatch<decltype(drawOne().PaintOn)> batch(context.Target, context.Connectable, context.Workers);
  RepeatShapes(
      context, count,
      [&] {
        auto shape = drawOne();  // sets the weight
        batch.Add(std::move(shape), context.CurrentBlendWeight);
      },
      [&] { batch.PaintHeld(); });
}

// Discards an Escape press from before the run (the one that closed a dialog, say), then paints
// shapes as PaintDrawnShapes does. An empty picture gets nothing.
template <class DrawOne> void RunShapeGenerator(PaintContext& context, std::int32_t count, DrawOne&& drawOne) {
  context.EscapePressed();
  if (context.Target.Width <= 0 || context.Target.Height <= 0) return;
  PaintDrawnShapes(context, count, drawOne);
}

// The rows and columns a polygon through these points may write.
inline ShapeBounds BoundsOf(std::span<const Point> points) {
  if (points.empty()) return {};
  const auto [minX, maxX] = std::minmax_element(points.begin(), points.end(), [](Point a, Point b) { return a.X < b.X; });
  const auto [minY, maxY] = std::minmax_element(points.begin(), points.end(), [](Point a, Point b) { return a.Y < b.Y; });
  return {minY->Y, std::int64_t{maxY->Y} - minY->Y + 1, std::int64_t{maxX->X} - minX->X + 1};
}

// A point anywhere in the region twice the picture's width and height from its top-left corner:
// x drawn first, then y.
inline Point DrawInDoubleArea(RandomValue& random, const Picture& picture) {
  const std::int64_t spanX = 2 * std::int64_t{picture.Width};
  const std::int64_t spanY = 2 * std::int64_t{picture.Height};
  const auto x = static_cast<std::int32_t>(random.Next() % spanX);
  const auto y = static_cast<std::int32_t>(random.Next() % spanY);
  return {x, y};
}

// Where polygon centres and stamp corners fall. Connectable: three picture sizes starting one size
// before the top-left edges, so that after wrapping they spread evenly; otherwise 1.125 sizes
// starting an eighth of a size before them. The shape's own size is not taken into account.
struct PlacementRegion {
  std::int64_t RangeX, RangeY;
  double OffsetX, OffsetY;
};

inline PlacementRegion ShapePlacementRegion(const Picture& picture, bool connectable) {
  const double factor = connectable ? 3.0 : 1.125;
  const double divisor = connectable ? 1.0 : 8.0;
  return {static_cast<std::int64_t>(factor * picture.Width), static_cast<std::int64_t>(factor * picture.Height),
          picture.Width / divisor, picture.Height / divisor};
}

// x drawn first, then y, each moved back by the region's offset and truncated toward zero.
inline Point DrawInPlacementRegion(RandomValue& random, const PlacementRegion& region) {
  const std::int64_t rx = random.Next() % region.RangeX;
  const std::int64_t ry = random.Next() % region.RangeY;
  return {TruncateToInt32(static_cast<double>(rx) - region.OffsetX),
          TruncateToInt32(static_cast<double>(ry) - region.OffsetY)};
}

}  // namespace tessmark

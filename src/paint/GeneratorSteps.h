#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "paint/PaintContext.h"
#include "paint/ShapeBatch.h"
#include "picture/Rasterisers.h"

namespace tessmark {

// The angle constants of the generators, fixed to these digits so that vertices and stroke
// corners truncate exactly the same way on every machine.
inline constexpr double Pi = 3.141592654;
inline constexpr double HalfPi = 1.570796327;

// A shape whose random draws are all made: where it may write, its colour as drawn, and how to
// paint it on a canvas in a given colour.
template <class Paint> struct ColoredShape {
  ShapeBounds Bounds;
  DrawnColor Color;
  Paint PaintIn;
  std::size_t HeldBytes = 0;  // what the shape holds beyond itself (a polygon's vertices)
};

template <class Paint>
ColoredShape<Paint> Colored(const ShapeBounds& bounds, const DrawnColor& color, Paint paint, std::size_t heldBytes = 0) {
  return {bounds, color, std::move(paint), heldBytes};
}

// A coloured shape's painting on each layer in the layer's colour by the map rule.
template <class Paint> struct InLayerColor {
  Paint PaintIn;
  DrawnColor Color;
  void OnEveryLayer(LayerPass& pass, std::uint8_t weight) const {
    PaintIn(pass.OnEvery(weight, [this](const PaintLayer& layer) { return layer.ColorOf(Color); }), pass.Layer(0).ColorOf(Color));
  }
};

// A picture-file shape, laid as it is on the layers that take stamps.
template <class Lay> struct OnStampLayers {
  Lay LayOn;
  void operator()(const Canvas& canvas, const PaintLayer& layer) const {
    if (layer.Stamps) LayOn(canvas);
  }
};

template <class Lay> DrawnShape<OnStampLayers<Lay>> Stamped(const ShapeBounds& bounds, Lay lay) {
  return {bounds, OnStampLayers<Lay>{std::move(lay)}};
}

// Paints shapes as RepeatShapes does on the run's picture and every map. drawOne makes a shape's
// random draws, sets the blend weight and gives the shape as Drawn; shapes are painted in batches,
// on the workers when there are some. The draws never look at the picture, so their order and the
// weight and random state a run leaves are those of shapes painted one by one.
template <class DrawOne> void PaintDrawnShapes(PaintContext& context, std::int32_t count, DrawOne&& drawOne) {
  const std::vector<PaintLayer> layers = PaintLayers(context.Target, context.Recolor, context.Maps);
  ShapeBatch<decltype(drawOne().PaintOn)> batch(layers, context.Connectable, context.Workers);
  RepeatShapes(
      context, count,
      [&] {
        auto shape = drawOne();  // sets the weight
        batch.Add(std::move(shape), context.CurrentBlendWeight);
      },
      [&] { batch.PaintHeld(); });
}

// Discards an Escape press from before the run (the one that closed a dialog, say), then paints
// shapes as PaintDrawnShapes does, drawOne giving each as Colored. An empty picture gets nothing.
template <class DrawOne> void RunShapeGenerator(PaintContext& context, std::int32_t count, DrawOne&& drawOne) {
  context.EscapePressed();
  if (context.Target.Width <= 0 || context.Target.Height <= 0) return;
  PaintDrawnShapes(context, count, [&] {
    auto shape = drawOne();
    using Paint = decltype(shape.PaintIn);
    return Drawn(shape.Bounds, InLayerColor<Paint>{std::move(shape.PaintIn), shape.Color}, shape.HeldBytes);
  });
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

#include <array>
#include <cmath>

#include "paint/GeneratorSteps.h"
#include "paint/Generators.h"
#include "picture/Rasterisers.h"

namespace tessmark {
namespace {

Point Corner(double x, double y, double offsetX, double offsetY) {
  return {TruncateToInt32(x + offsetX), TruncateToInt32(y + offsetY)};
}

// The stroke from start, in direction degrees, as the rectangle of half-width half on either side:
// start + left, end + left, end + right, start + right.
std::array<Point, 4> StrokeCorners(Point start, std::int32_t direction, std::int32_t length, std::int32_t half) {
  const double theta = direction / 180.0 * Pi;
  const double endX = start.X + std::cos(theta) * length;
  const double endY = start.Y + std::sin(theta) * length;
  const double leftX = half * std::cos(theta + HalfPi), leftY = half * std::sin(theta + HalfPi);
  const double rightX = half * std::cos(theta - HalfPi), rightY = half * std::sin(theta - HalfPi);
  return {Corner(start.X, start.Y, leftX, leftY), Corner(endX, endY, leftX, leftY),
          Corner(endX, endY, rightX, rightY), Corner(start.X, start.Y, rightX, rightY)};
}

}  // namespace

void PaintVectors(PaintContext& context, const VectorParams& params) {
  RunShapeGenerator(context, params.Count, [&] {
    const std::int32_t direction = context.Random.Next() % 360;
    const Point start = DrawInDoubleArea(context.Random, context.Target);
    const std::int32_t length = DrawInRange(context.Random, params.LengthMin, params.LengthMax);
    const std::int32_t half = DrawInRange(context.Random, params.WeightMin, params.WeightMax) >> 1;
    const std::array<Point, 4> corners = StrokeCorners(start, direction, length, half);
    const DrawnColor color = DrawPaintColor(context.Palette, context.Random);
    ShapeBlendWeight(context);
    return Colored(BoundsOf(corners), color, [corners, fill = params.Fill != 0](const Canvas& canvas, Color rgb) {
      DrawPolygon(canvas, corners, rgb, fill);
    });
  });
}

}  // namespace tessmark

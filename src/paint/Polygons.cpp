#include <cmath>
#include <vector>

#include "paint/GeneratorSteps.h"
#include "paint/Generators.h"
#include "picture/Rasterisers.h"

namespace tessmark {
namespace {

// Room for one vertex per whole degree many times over; steps of 0 or less would otherwise never
// leave the vertex loop.
constexpr std::size_t MaxPolygonVertices = 16384;

// Vertices at growing angles, each at its own distance from the centre, until the angle reaches
// 360 degrees; the radius and step drawn last are then unused.
void DrawVertices(RandomValue& random, const PolygonParams& params, Point centre, std::vector<Point>& vertices) {
  vertices.clear();
  std::int64_t angle = 0;
  while (vertices.size() < MaxPolygonVertices) {
    const std::int32_t radius = DrawIfAbove(random, params.RayMin, params.RayMax);
    angle += DrawIfAbove(random, params.AngMin, params.AngMax);
    if (angle >= 360) return;
    const double theta = static_cast<double>(angle) / 180.0 * Pi;
    vertices.push_back({TruncateToInt32(centre.X + std::cos(theta) * radius),
                        TruncateToInt32(centre.Y + std::sin(theta) * radius)});
  }
}

}  // namespace

void PaintPolygons(PaintContext& context, const PolygonParams& params) {
  std::vector<Point> vertices;
  vertices.reserve(MaxPolygonVertices);
  const PlacementRegion region = ShapePlacementRegion(context.Target, context.Connectable);
  RunShapeGenerator(context, params.Count, [&] {
    const Point centre = DrawInPlacementRegion(context.Random, region);
    DrawVertices(context.Random, params, centre, vertices);
    const DrawnColor color = DrawPaintColor(context.Palette, context.Random);
    ShapeBlendWeight(context);
    return Colored(
        BoundsOf(vertices), color,
        [points = std::vector<Point>(vertices), fill = params.Fill != 0](const Canvas& canvas, Color rgb) {
          DrawPolygon(canvas, points, rgb, fill);
        },
        vertices.size() * sizeof(Point));
  });
}

}  // namespace tessmark

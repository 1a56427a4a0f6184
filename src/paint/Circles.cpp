#include "paint/GeneratorSteps.h"
#include "paint/Generators.h"
#include "picture/Rasterisers.h"

namespace tessmark {

void PaintCircles(PaintContext& context, const CircleParams& params) {
  RunShapeGenerator(context, params.Count, [&] {
    const std::int32_t radius = DrawInRange(context.Random, params.Raymin, params.Raymax);
    const Point centre = DrawInDoubleArea(context.Random, context.Target);
    const DrawnColor color = DrawPaintColor(context.Palette, context.Random);
    ShapeBlendWeight(context);
    const std::int64_t r = radius;
    return Colored({centre.Y - r + 1, 2 * r - 1, 2 * r - 1}, color,
                   [=](const Canvas& canvas, Color rgb) { DrawDisc(canvas, centre.X, centre.Y, radius, rgb); });
  });
}

}  // namespace tessmark

#include "paint/GeneratorSteps.h"
#include "paint/Generators.h"
#include "picture/Rasterisers.h"

namespace tessmark {

void PaintCircles(PaintContext& context, const CircleParams& params) {
  RunShapeGenerator(context, params.Count, [&] {
    const std::int32_t radius = DrawInRange(context.Random, params.Raymin, params.Raymax);
    const Point centre = DrawInDoubleArea(context.Random, context.Target);
    const Color color = PickPaintColor(context.Palette, context.Random);
    ShapeBlendWeight(context);
    const std::int64_t r = radius;
    return Drawn({centre.Y - r + 1, 2 * r - 1, 2 * r - 1},
                 [=](const Canvas& canvas) { DrawDisc(canvas, centre.X, centre.Y, radius, color); });
  });
}

}  // namespace tessmark

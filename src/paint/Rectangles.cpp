#include "paint/GeneratorSteps.h"
#include "paint/Generators.h"
#include "picture/Rasterisers.h"

namespace tessmark {

void PaintRectangles(PaintContext& context, const RectangleParams& params) {
  RunShapeGenerator(context, params.Count, [&] {
    const Point corner = DrawInDoubleArea(context.Random, context.Target);
    const std::int64_t width = DrawInRange(context.Random, params.XMin, params.XMax);
    const std::int64_t height = DrawInRange(context.Random, params.YMin, params.YMax);
    const DrawnColor color = DrawPaintColor(context.Palette, context.Random);
    ShapeBlendWeight(context);
    return Colored({corner.Y, height, width}, color, [=](const Canvas& canvas, Color rgb) {
      FillRectangle(canvas, corner.X, corner.Y, corner.X + width, corner.Y + height, rgb);
    });
  });
}

}  // namespace tessmark

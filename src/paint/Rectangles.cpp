#include "paint/GeneratorSteps.h"
#include "paint/Generators.h"
#include "picture/Rasterisers.h"

namespace tessmark {

void PaintRectangles(PaintContext& context, const RectangleParams& params) {
  RunShapeGenerator(context, params.Count, [&] {
    const Point corner = DrawInDoubleArea(context.Random, context.Target);
    const std::int64_t width = DrawInRange(context.Random, params.XMin, params.XMax);
    const std::int64_t height = DrawInRange(context.Random, params.YMin, params.YMax);
    const Color color = PickPaintColor(context.Palette, context.Random);
    ShapeBlendWeight(context);
    return Drawn({corner.Y, height, width}, [=](const Canvas& canvas) {
      FillRectangle(canvas, corner.X, corner.Y, corner.X + width, corner.Y + height, color);
    });
  });
}

}  // namespace tessmark

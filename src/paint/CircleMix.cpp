#include "paint/GeneratorSteps.h"
#include "paint/PictureGenerators.h"
#include "picture/Rasterisers.h"

namespace tessmark {
namespace {

// The disc of radius around from in the source, to be laid around centre; a radius of 0 lays nothing.
auto DrawnSample(Point centre, const LoadedPicture& source, Point from, std::int32_t radius, std::int32_t mix) {
  const std::int64_t r = radius;
  return Stamped({centre.Y - r, 2 * r, 2 * r}, [=, &source](const Canvas& canvas) {
    StampDiscSample(canvas, centre.X, centre.Y, source, from.X, from.Y, radius, mix);
  });
}

void PaintDiscs(PaintContext& context, const CircleMixParams& params, const std::vector<LoadedPicture>& pictures) {
  PaintDrawnShapes(context, params.Count, [&] {
    const Point centre = DrawInDoubleArea(context.Random, context.Target);
    const LoadedPicture& source = pictures[static_cast<std::size_t>(context.Random.Next()) % pictures.size()];
    const std::int32_t mix = DrawIfAbove(context.Random, params.MixeMin, params.MixeMax);
    const std::int32_t radius = DrawIfAbove(context.Random, params.RadiusMin, params.RadiusMax);
    // The whole disc must lie inside the source; a disc that does not fit is skipped, and counts.
    const std::int64_t availX = std::int64_t{source.Width} - 2 * std::int64_t{radius};
    const std::int64_t availY = std::int64_t{source.Height} - 2 * std::int64_t{radius};
    if (availX <= 0 || availY <= 0) return DrawnSample(centre, source, {}, 0, mix);
    const auto sx = static_cast<std::int32_t>(radius + context.Random.Next() % availX);
    const auto sy = static_cast<std::int32_t>(radius + context.Random.Next() % availY);
    ShapeBlendWeight(context);
    return DrawnSample(centre, source, {sx, sy}, radius, mix);
  });
}

}  // namespace

std::optional<SourceLoadFailure> PaintCircleMix(PaintContext& context, const CircleMixParams& params,
                                                const std::string& programDirectory) {
  return RunPictureGenerator(context, params.PictureFiles, programDirectory,
                             [&](const std::vector<LoadedPicture>& pictures) { PaintDiscs(context, params, pictures); });
}

}  // namespace tessmark

#include "paint/GeneratorSteps.h"
#include "paint/PictureGenerators.h"
#include "picture/Rasterisers.h"

namespace tessmark {
namespace {

void PaintStamps(PaintContext& context, const TagParams& params, ColorRef keyColor,
                 const std::vector<LoadedPicture>& pictures) {
  const PlacementRegion region = ShapePlacementRegion(context.Target, context.Connectable);
  PaintDrawnShapes(context, params.Count, [&] {
    const Point corner = DrawInPlacementRegion(context.Random, region);
    const LoadedPicture& source = pictures[static_cast<std::size_t>(context.Random.Next()) % pictures.size()];
    ShapeBlendWeight(context);
    return Stamped({corner.Y, source.Height, source.Width}, [corner, &source, keyColor](const Canvas& canvas) {
      StampPicture(canvas, corner.X, corner.Y, source, keyColor);
    });
  });
}

}  // namespace

std::optional<SourceLoadFailure> PaintTags(PaintContext& context, const TagParams& params, ColorRef keyColor,
                                           const std::string& programDirectory) {
  return RunPictureGenerator(context, params.PictureFiles, programDirectory,
                             [&](const std::vector<LoadedPicture>& pictures) {
                               PaintStamps(context, params, keyColor, pictures);
                             });
}

}  // namespace tessmark

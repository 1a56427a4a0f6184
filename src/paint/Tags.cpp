#include "paint/PictureGenerators.h"
#include "picture/Rasterisers.h"

namespace tessmark {
namespace {

// Corners come from the polygon generator's region: connectable, three picture sizes starting one
// size before the top-left edges (wrapping spreads them evenly); otherwise 1.125 sizes starting an
// eighth before. The stamp's own size is not taken into account.
struct CornerRegion {
  std::int64_t RangeX, RangeY;
  double OffsetX, OffsetY;
};

CornerRegion TagCornerRegion(const Picture& picture, bool connectable) {
  const double factor = connectable ? 3.0 : 1.125;
  const double divisor = connectable ? 1.0 : 8.0;
  return {static_cast<std::int64_t>(factor * picture.Width), static_cast<std::int64_t>(factor * picture.Height),
          picture.Width / divisor, picture.Height / divisor};
}

void PaintStamps(PaintContext& context, const TagParams& params, ColorRef keyColor,
                 const std::vector<LoadedPicture>& pictures) {
  const CornerRegion region = TagCornerRegion(context.Target, context.Connectable);
  RepeatShapes(context, params.Count, [&] {
    const std::int64_t rx = context.Random.Next() % region.RangeX;
    const std::int64_t ry = context.Random.Next() % region.RangeY;
    const std::int32_t x = TruncateToInt32(static_cast<double>(rx) - region.OffsetX);
    const std::int32_t y = TruncateToInt32(static_cast<double>(ry) - region.OffsetY);
    const LoadedPicture& source = pictures[static_cast<std::size_t>(context.Random.Next()) % pictures.size()];
    ShapeBlendWeight(context);
    StampPicture(context.ShapeCanvas(), x, y, source, keyColor);
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

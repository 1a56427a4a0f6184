#include "paint/PaintContext.h"

#include <algorithm>

namespace tessmark {

std::uint8_t BlendWeightForPercent(std::int32_t percent) {
  const double p = std::clamp(percent, 0, 100);
  return static_cast<std::uint8_t>(p / 100.0 * 255.0);
}

void ShapeBlendWeight(PaintContext& context) {
  const MixRange range = context.MixRange;
  const std::int32_t percent = range.To > range.From ? DrawInRange(context.Random, range.From, range.To) : range.To;
  context.CurrentBlendWeight = BlendWeightForPercent(percent);
}

}  // namespace tessmark

#include "picture/RunPattern.h"

#include <algorithm>
#include <cstring>

namespace tessmark {
namespace {

// v / 255 for v <= 255 * 255, in 16-bit steps that vectorise (the quotient BlendChannel takes).
constexpr std::uint16_t DivideBy255(std::uint16_t v) { return static_cast<std::uint16_t>((v + 1 + (v >> 8)) >> 8); }

}  // namespace

RunPattern::RunPattern(Color c, std::uint8_t weight) : weight_(weight) {
  colour_[0] = c.Red;
  colour_[1] = c.Green;
  colour_[2] = c.Blue;
  for (int filled = 3; filled < BlockBytes; filled *= 2) {
    std::memcpy(colour_ + filled, colour_, static_cast<std::size_t>(std::min(filled, BlockBytes - filled)));
  }
  if (weight == 0 || weight == 255) return;  // stored or skipped, never blended
  for (int i = 0; i < BlockBytes; ++i) added_[i] = static_cast<std::uint16_t>(colour_[i] * weight);
}

void RunPattern::Blend(std::uint8_t* p, std::int64_t bytes) const {
  const auto keep = static_cast<std::uint16_t>(255 - weight_);
  for (; bytes > 0; bytes -= BlockBytes, p += BlockBytes) {
    const int block = static_cast<int>(std::min<std::int64_t>(bytes, BlockBytes));
    for (int i = 0; i < block; ++i) {
      p[i] = static_cast<std::uint8_t>(DivideBy255(static_cast<std::uint16_t>(p[i] * keep + added_[i])));
    }
  }
}

}  // namespace tessmark

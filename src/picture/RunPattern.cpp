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

void RunPattern::Paint(std::uint8_t* pixels, std::int64_t n) const {
  if (weight_ == 255) {
    Store(pixels, n * 3);
  } else if (weight_ != 0) {  // weight 0 gives back every old value exactly
    Blend(pixels, n * 3);
  }
}

// Every piece starts at a whole pixel, so the pattern lines up with it wherever it starts; pieces
// that overlap store the same bytes twice, which lets every copy have a fixed size.
void RunPattern::Store(std::uint8_t* p, std::int64_t bytes) const {
  if (bytes >= BlockBytes) {
    for (std::int64_t at = 0; at + BlockBytes <= bytes; at += BlockBytes) std::memcpy(p + at, colour_, BlockBytes);
    std::memcpy(p + bytes - BlockBytes, colour_, BlockBytes);
  } else if (bytes >= 24) {
    std::memcpy(p, colour_, 24);
    std::memcpy(p + bytes - 24, colour_, 24);
  } else if (bytes >= 12) {
    std::memcpy(p, colour_, 12);
    std::memcpy(p + bytes - 12, colour_, 12);
  } else if (bytes >= 6) {
    std::memcpy(p, colour_, 6);
    std::memcpy(p + bytes - 6, colour_, 6);
  } else if (bytes == 3) {
    std::memcpy(p, colour_, 3);
  }
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

void PaintRun(std::uint8_t* pixels, std::int64_t n, Color c, std::uint8_t weight) { RunPattern(c, weight).Paint(pixels, n); }

}  // namespace tessmark

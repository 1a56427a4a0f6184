#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "picture/Color.h"

namespace tessmark {

// One colour laid over the same pixels again and again at one weight. Each write moves every
// channel towards the colour until it stops moving (within 255 writes; weight 1 is the slowest),
// so where a pixel ends depends only on how many times it was written, never on the order.
class RepeatedBlend {
 public:
  RepeatedBlend(Color c, std::uint8_t weight);

  // The fewest writes after which another one changes no channel of any pixel.
  std::int64_t Settled() const { return static_cast<std::int64_t>(after_.size()) - 1; }

  // n consecutive pixels, each as `times` writes leave it.
  void Apply(std::uint8_t* pixels, std::int64_t n, std::int64_t times) const;

 private:
  // after_[k][256 * channel + old]: the channel after k writes.
  std::vector<std::array<std::uint8_t, 768>> after_;
};

}  // namespace tessmark

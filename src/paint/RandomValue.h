#pragma once

#include <cstdint>

namespace tessmark {

// The one random source of the generators, the palette and the noise filter: a 32-bit linear
// congruential generator whose draws are 0 ... 32767. Pictures are reproducible from the seed.
class RandomValue {
 public:
  explicit RandomValue(std::uint32_t seed = 0) : state_(seed) {}

  void Seed(std::uint32_t seed) { state_ = seed; }

  std::int32_t Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<std::int32_t>((state_ >> 16) & 32767u);
  }

 private:
  std::uint32_t state_;
};

// The remainder rule of every random range: min + draw mod (max - min), the remainder truncating,
// so max itself is never drawn and an inverted range runs past min. A zero span draws nothing.
// The span and the sum follow 32-bit two's-complement arithmetic.
std::int32_t DrawInRange(RandomValue& random, std::int32_t min, std::int32_t max);

// Ranges that are drawn only when max > min; otherwise the value is min and nothing is drawn.
std::int32_t DrawIfAbove(RandomValue& random, std::int32_t min, std::int32_t max);

// draw mod m with a truncating remainder; m must not be 0.
constexpr std::int32_t DrawRemainder(std::int32_t draw, std::int32_t m) {
  // draw is never negative, so |m| >= 2^31 leaves it as it is and INT32_MIN needs no negation.
  return m == INT32_MIN ? draw : draw % m;
}

}  // namespace tessmark

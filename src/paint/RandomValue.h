#pragma once

#include <array>
#include <cstdint>

namespace tessmark {

// The one random source of the generators, the palette and the noise filter: a 32-bit linear
// congruential generator whose draws are 0 ... 32767. Pictures are reproducible from the seed.
class RandomValue {
 public:
  explicit RandomValue(std::uint32_t seed = 0) : state_(seed) {}

  void Seed(std::uint32_t seed) { state_ = seed; }

  // Moves on by draws draws, as that many calls of Next would, in O(log draws) steps.
  void Skip(std::uint64_t draws);

  std::int32_t Next() {
    state_ = state_ * Multiplier + Increment;
    return Draw(state_);
  }

  // The next N draws, exactly as N calls of Next give them. Each state is computed straight from
  // the current one (k steps of the generator are one multiply-add too), so the N multiplications
  // do not wait for one another.
  template <int N> std::array<std::int32_t, N> NextDraws() {
    constexpr std::array<Step, N + 1> steps = Steps<N>();
    std::array<std::int32_t, N> draws;
    for (int k = 0; k < N; ++k) draws[k] = Draw(state_ * steps[k + 1].Multiplier + steps[k + 1].Increment);
    state_ = state_ * steps[N].Multiplier + steps[N].Increment;
    return draws;
  }

 private:
  static constexpr std::uint32_t Multiplier = 214013u;
  static constexpr std::uint32_t Increment = 2531011u;

  struct Step {
    std::uint32_t Multiplier;
    std::uint32_t Increment;
  };

  // steps[k] advances the state by k draws.
  template <int N> static constexpr std::array<Step, N + 1> Steps() {
    std::array<Step, N + 1> steps{};
    steps[0] = {1u, 0u};
    for (int k = 1; k <= N; ++k) {
      steps[k] = {steps[k - 1].Multiplier * Multiplier, steps[k - 1].Increment * Multiplier + Increment};
    }
    return steps;
  }

  static constexpr std::int32_t Draw(std::uint32_t state) { return static_cast<std::int32_t>((state >> 16) & 32767u); }

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

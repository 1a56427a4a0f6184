#include "paint/RandomValue.h"

namespace tessmark {

void RandomValue::Skip(std::uint64_t draws) {
  Step step{Multiplier, Increment};  // 1, 2, 4, 8 ... draws at a time
  for (; draws != 0; draws >>= 1) {
    if ((draws & 1) != 0) state_ = state_ * step.Multiplier + step.Increment;
    step = {step.Multiplier * step.Multiplier, step.Increment * step.Multiplier + step.Increment};
  }
}

std::int32_t DrawInRange(RandomValue& random, std::int32_t min, std::int32_t max) {
  const auto span = static_cast<std::int32_t>(static_cast<std::uint32_t>(max) - static_cast<std::uint32_t>(min));
  if (span == 0) return min;
  const std::int32_t offset = DrawRemainder(random.Next(), span);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(min) + static_cast<std::uint32_t>(offset));
}

std::int32_t DrawIfAbove(RandomValue& random, std::int32_t min, std::int32_t max) {
  return max > min ? DrawInRange(random, min, max) : min;
}

}  // namespace tessmark

#include "picture/RowWrites.h"

#include <algorithm>

#include "picture/Canvas.h"

namespace tessmark {

RowWrites::RowWrites(std::int32_t width, std::int64_t enough)
    : width_(width), enough_(enough), columns_(std::min(width, MaxColumns)), steps_(static_cast<std::size_t>(columns_) + 1) {}

void RowWrites::Start(std::int32_t first) {
  first_ = first;
  columns_ = std::min(MaxColumns, width_ - first);
}

void RowWrites::Add(std::int64_t x, std::int64_t length, std::int64_t times) {
  if (length <= 0 || times <= 0 || Settled()) return;
  times = std::min(times, enough_);
  laps_ = std::min(enough_, laps_ + length / width_ * times);
  const std::int64_t rest = length % width_;
  if (rest == 0 || Settled()) return;
  const std::int64_t from = WrapCoordinate64(x, width_);
  AddRange(from, std::min<std::int64_t>(from + rest, width_), times);
  if (from + rest > width_) AddRange(0, from + rest - width_, times);
}

void RowWrites::AddRange(std::int64_t from, std::int64_t to, std::int64_t times) {
  from = std::max<std::int64_t>(from - first_, 0);
  to = std::min<std::int64_t>(to - first_, columns_);
  if (from >= to) return;
  steps_[static_cast<std::size_t>(from)] += times;
  steps_[static_cast<std::size_t>(to)] -= times;
  ranges_ = true;
}

void RowWrites::Clear() {
  if (ranges_ || exact_) std::fill(steps_.begin(), steps_.end(), 0);
  laps_ = 0;
  ranges_ = exact_ = false;
}

void RowWrites::ApplyTo(std::uint8_t* row, const RepeatedBlend& blend) const {
  row += std::int64_t{first_} * 3;
  if ((!ranges_ && !exact_) || Settled()) {
    blend.Apply(row, columns_, laps_);
  } else {
    // The count changes only where a range starts or ends: apply it a stretch at a time.
    std::int64_t count = laps_ + steps_[0];
    std::int32_t from = 0;
    for (std::int32_t x = 1; x < columns_; ++x) {
      if (steps_[static_cast<std::size_t>(x)] == 0) continue;
      blend.Apply(row + std::int64_t{from} * 3, x - from, count);
      count += steps_[static_cast<std::size_t>(x)];
      from = x;
    }
    blend.Apply(row + std::int64_t{from} * 3, columns_ - from, count);
  }
}

}  // namespace tessmark

#include "picture/LandingColumns.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <utility>

namespace tessmark {

LandingColumns::LandingColumns(std::int64_t step, std::int64_t count, std::int64_t d, std::int32_t width)
    : d_(d), width_(width), starts_(static_cast<std::size_t>(width) + 1), parts_(static_cast<std::size_t>(count)) {
  const std::int64_t lap = d * width;
  // The points nearest 0 above it and below the lap's end. Going round the lap, the point after
  // point j is j + first, else j - last, else j + first - last (the three-distance theorem), so
  // the points come in order without sorting.
  std::int64_t first = 0, last = 0, above = lap, below = 0;
  for (std::int64_t j = 1, at = step; j < count; ++j, at = at + step < lap ? at + step : at + step - lap) {
    if (at < above) above = at, first = j;
    if (at > below) below = at, last = j;
  }
  const auto split = [d](std::int64_t gap) { return std::pair{gap / d, gap % d}; };
  const std::pair<std::int64_t, std::int64_t> gaps[] = {split(above), split(lap - below), split(above + lap - below)};
  std::int64_t c = 0, at = 0;
  for (std::int64_t k = 0, j = 0; k < count; ++k) {
    parts_[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(at);
    ++starts_[static_cast<std::size_t>(c) + 1];
    const int kind = j + first < count ? 0 : j >= last ? 1 : 2;
    j += kind == 0 ? first : kind == 1 ? -last : first - last;
    at += gaps[kind].second;
    c += gaps[kind].first + (at >= d ? 1 : 0);
    if (at >= d) at -= d;
  }
  for (std::size_t k = 1; k < starts_.size(); ++k) starts_[k] += starts_[k - 1];
  // How far any part lies from where it would were the column's parts even: the search's reach.
  std::int64_t farthest = 0;
  const double perPart = 1 / static_cast<double>(d);
  for (std::int32_t k = 0; k < width; ++k) {
    const std::int64_t size = Size(k);
    for (std::int64_t i = 0; i < size; ++i) {
      const double part = parts_[static_cast<std::size_t>(starts_[static_cast<std::size_t>(k)] + i)];
      farthest = std::max(farthest, std::abs(i - static_cast<std::int64_t>(static_cast<double>(size) * part * perPart)));
    }
  }
  buildCost_ = 4 * count;
  rowCost_ = width * (2 + std::bit_width(static_cast<std::uint64_t>(farthest)));
}

std::int64_t LandingColumns::Below(std::int32_t c, std::uint32_t part, double share) const {
  const std::uint32_t* parts = parts_.data() + starts_[static_cast<std::size_t>(c)];
  const auto size = static_cast<std::uint64_t>(Size(c));
  // From where it would be were the parts even, out in doubling strides until passed, then halving.
  std::uint64_t low = std::min(size, static_cast<std::uint64_t>(static_cast<double>(size) * share)), high = low;
  for (std::uint64_t stride = 1; low > 0 && parts[low - 1] >= part; stride *= 2) {
    high = low - 1;
    low = low > stride ? low - stride : 0;
  }
  for (std::uint64_t stride = 1; high < size && parts[high] < part; stride *= 2) {
    low = high + 1;
    high = std::min(size, high + stride);
  }
  return std::lower_bound(parts + low, parts + high, part) - parts;
}

}  // namespace tessmark

#include "picture/LandingColumns.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tessmark {

LandingColumns::LandingColumns(std::int64_t step, std::int64_t count, std::int64_t d, std::int32_t width)
    : d_(d), width_(width), sizes_(static_cast<std::size_t>(width)) {
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
  const auto inOrder = [&](auto&& visit) {
    std::int64_t c = 0, at = 0;
    for (std::int64_t k = 0, j = 0; k < count; ++k) {
      visit(c, at);
      const int kind = j + first < count ? 0 : j >= last ? 1 : 2;
      j += kind == 0 ? first : kind == 1 ? -last : first - last;
      at += gaps[kind].second;
      c += gaps[kind].first + (at >= d ? 1 : 0);
      if (at >= d) at -= d;
    }
  };
  inOrder([&](std::int64_t c, std::int64_t) { ++sizes_[static_cast<std::size_t>(c)]; });
  const std::int64_t most = *std::max_element(sizes_.begin(), sizes_.end());
  if (most * width > MostParts) return;
  parts_.assign(static_cast<std::size_t>(most * width), 0);
  std::vector<std::uint32_t> next(sizes_.size());
  // How far any part lies from where it would were the column's parts even: the search's reach.
  std::int64_t farthest = 0;
  const double perPart = 1 / static_cast<double>(d);
  inOrder([&](std::int64_t c, std::int64_t at) {
    const std::int64_t i = next[static_cast<std::size_t>(c)]++;
    parts_[static_cast<std::size_t>(i * width + c)] = static_cast<std::uint32_t>(at);
    const double even = static_cast<double>(sizes_[static_cast<std::size_t>(c)]) * static_cast<double>(at) * perPart;
    farthest = std::max(farthest, std::abs(i - static_cast<std::int64_t>(even)));
  });
  // Rounding may put a part or the row's threshold one further still.
  reach_ = static_cast<std::uint64_t>(farthest) + 2;
}

std::int64_t LandingColumns::Below(std::int32_t c, std::uint32_t part, double share) const {
  const std::uint32_t* parts = parts_.data() + c;
  const auto at = [&](std::uint64_t i) { return parts[i * static_cast<std::uint64_t>(width_)]; };
  const std::uint64_t size = sizes_[static_cast<std::size_t>(c)];
  // Within reach of where it would be were the parts even, halving without branches, which the
  // processor could not foresee.
  const auto even = std::min(size, static_cast<std::uint64_t>(static_cast<double>(size) * share));
  std::uint64_t low = even > reach_ ? even - reach_ : 0;
  std::uint64_t span = std::min(size, even + reach_ + 1) - low;
  for (; span > 1; span -= span / 2) low = at(low + span / 2) < part ? low + span / 2 : low;
  return static_cast<std::int64_t>(low + (span == 1 && at(low) < part ? 1 : 0));
}

}  // namespace tessmark

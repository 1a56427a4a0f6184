#pragma once

#include <cstdint>
#include <vector>

namespace tessmark {

// The points j step mod D W (j = 0 ... count - 1) of a lap of `width` columns of D parts each, kept
// column by column, each column's parts in order.
//
// The rows landing on one picture row cross it at such points, all moved by the same amount. A
// move keeps every point in its column or carries it one further, as its part is below a
// threshold or not, so each picture row reads its crossings off a column at a time, however many
// rows land there: where the threshold falls among a column's parts is found near where it would
// fall were they even, the points being a rotation's and so spread nearly evenly. The i-th parts
// of all columns lie side by side, so that a picture row reads a few runs of memory.
class LandingColumns {
 public:
  // The most parts kept, at 4 bytes each.
  static constexpr std::int64_t MostParts = std::int64_t{1} << 21;

  // No two of the points may meet: D W / gcd(step, D W) >= count.
  LandingColumns(std::int64_t step, std::int64_t count, std::int64_t d, std::int32_t width);

  // Whether the columns were even enough to keep.
  bool Kept() const { return !parts_.empty(); }

  // Calls write(column, n) for each column the points moved by `shift` (0 <= shift < D W) fall
  // in, n of them.
  template <class Write> void Count(std::int64_t shift, Write&& write) const {
    const std::int64_t whole = shift / d_;
    // Parts below this stay in their column when moved; the others reach the next.
    const auto stays = static_cast<std::uint32_t>(d_ - (shift - whole * d_));
    const double share = static_cast<double>(stays) / static_cast<double>(d_);
    std::int64_t column = whole;
    std::int64_t carried = sizes_[width_ - 1] - Below(width_ - 1, stays, share);
    for (std::int32_t c = 0; c < width_; ++c) {
      const std::int64_t below = Below(c, stays, share);
      if (below + carried != 0) write(static_cast<std::int32_t>(column), below + carried);
      carried = sizes_[c] - below;
      if (++column == width_) column = 0;
    }
  }

 private:
  // How many parts of column c lie below `part`, about `share` of them.
  std::int64_t Below(std::int32_t c, std::uint32_t part, double share) const;

  std::int64_t d_;
  std::int32_t width_;
  std::vector<std::uint32_t> sizes_;  // parts in each column
  std::vector<std::uint32_t> parts_;  // column c's i-th part at i width + c
  std::uint64_t reach_ = 0;  // no part lies further from where it would were its column's even
};

}  // namespace tessmark

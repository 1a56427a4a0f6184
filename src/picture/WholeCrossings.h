#pragma once

#include <cstdint>

#include "picture/CrossingLine.h"
#include "picture/RowWrites.h"

namespace tessmark {

// The rows y0 ... y1 - 1 on which the line (P + Q y) / D (D > 0) falls on a whole column. There
// its floor and its ceiling meet: a run from one to the other, a pixel wide elsewhere, is empty.
//
// They come every D / gcd(Q, D) rows, their columns a whole number of columns apart, so those
// landing on one picture row step round it evenly: each picture row costs at most its width.
class WholeCrossings {
 public:
  WholeCrossings(Int128 p, std::int64_t q, std::int64_t d, std::int64_t y0, std::int64_t y1, std::int32_t width,
                 std::int32_t height);

  // About how many steps all picture rows together take.
  std::int64_t Cost() const { return cost_; }

  // `sign` writes into the pixel of each such row landing on picture row `row`.
  void AddTo(std::int32_t row, std::int64_t sign, RowWrites::ExactSteps writes) const;

 private:
  std::int64_t count_ = 0;             // rows first_, first_ + period_, ...
  Int128 first_ = 0, column_ = 0;      // the first row and its column
  std::int64_t period_ = 1, columns_ = 0;  // and the columns from one to the next
  std::int32_t width_, height_;
  // Rows m = m0 + j landings_ (j = 0, 1, ...) land on one picture row, landings_ = H / gcd(period, H),
  // m0 found through the inverse of period / gcd modulo landings_.
  std::int64_t shared_ = 1, landings_ = 1, inverse_ = 0;
  std::int64_t cost_ = 0;
};

}  // namespace tessmark

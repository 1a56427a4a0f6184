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
  std::int64_t count_ = 0;                 // the rows first_ + m period_, m = 0 ... count_ - 1
  Int128 first_ = 0, column_ = 0;          // the first of them and its column
  std::int64_t period_ = 1, columns_ = 0;  // rows and columns from one to the next
  std::int32_t width_, height_;
  // The m landing on one picture row are m0, m0 + landings_, ... (landings_ = H / shared_,
  // shared_ = gcd(period_, H)), m0 found through inverse_, that of period_ / shared_ modulo landings_.
  std::int64_t shared_ = 1, landings_ = 1, inverse_ = 0;
  std::int64_t cost_ = 0;
};

}  // namespace tessmark

#include "picture/WholeCrossings.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace tessmark {
namespace {

// The inverse of a modulo m (a and m coprime, m > 0), by the extended Euclid algorithm.
Int128 Inverse(Int128 a, Int128 m) {
  Int128 r0 = m, r1 = FloorModulo(a, m), s0 = 0, s1 = 1;
  while (r1 != 0) {
    const Int128 t = r0 / r1;
    r0 = std::exchange(r1, r0 - t * r1);
    s0 = std::exchange(s1, s0 - t * s1);
  }
  return FloorModulo(s0, m);
}

}  // namespace

WholeCrossings::WholeCrossings(Int128 p, std::int64_t q, std::int64_t d, std::int64_t y0, std::int64_t y1,
                               std::int32_t width, std::int32_t height)
    : width_(width), height_(height) {
  // Q y = -P modulo D: no row when gcd(Q, D) does not divide P, else every D / gcd(Q, D)-th row.
  const std::int64_t whole = std::gcd(q, d);
  period_ = d / whole;
  if (FloorModulo(p, whole) != 0) return;
  const Int128 solution = FloorModulo(FloorModulo(-p / whole, period_) * Inverse(q / whole, period_), period_);
  first_ = y0 + FloorModulo(solution - y0, period_);
  if (first_ >= y1) return;
  count_ = static_cast<std::int64_t>((y1 - 1 - first_) / period_ + 1);
  column_ = (p + Int128{q} * first_) / d;
  columns_ = q / whole;
  shared_ = std::gcd(period_, std::int64_t{height});
  landings_ = height / shared_;
  inverse_ = static_cast<std::int64_t>(Inverse(period_ / shared_, landings_));
  cost_ = std::min<std::int64_t>(count_, std::int64_t{width} * height);
}

void WholeCrossings::AddTo(std::int32_t row, std::int64_t sign, RowWrites::ExactSteps writes) const {
  if (count_ == 0) return;
  const Int128 offset = FloorModulo(row - first_, height_);
  if (offset % shared_ != 0) return;
  const auto m0 = static_cast<std::int64_t>(FloorModulo(offset / shared_ * inverse_, landings_));
  if (m0 >= count_) return;
  const std::int64_t landing = (count_ - 1 - m0) / landings_ + 1;
  // Their columns go round the row in `round` steps of `step`, each as often, the first `extra` once more.
  const auto step = static_cast<std::int64_t>(FloorModulo(Int128{columns_} * landings_, width_));
  const std::int64_t round = width_ / std::gcd(step, std::int64_t{width_});
  const std::int64_t each = landing / round, extra = landing % round;
  std::int64_t column = static_cast<std::int64_t>(FloorModulo(column_ + Int128{columns_} * m0, width_));
  for (std::int64_t t = 0; t < std::min(landing, round); ++t) {
    writes.AddPixel(static_cast<std::int32_t>(column), sign * (each + (t < extra ? 1 : 0)));
    column = column + step < width_ ? column + step : column + step - width_;
  }
}

}  // namespace tessmark

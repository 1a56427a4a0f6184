#include "picture/WholeCrossings.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "picture/Canvas.h"

namespace tessmark {
namespace {

Int128 Modulo(Int128 a, Int128 m) { return a - FloorDivide(a, m) * m; }

// The inverse of a modulo m (a and m coprime, m > 0), by the extended Euclid algorithm.
Int128 Inverse(Int128 a, Int128 m) {
  Int128 r0 = m, r1 = Modulo(a, m), s0 = 0, s1 = 1;
  while (r1 != 0) {
    const Int128 t = r0 / r1;
    r0 = std::exchange(r1, r0 - t * r1);
    s0 = std::exchange(s1, s0 - t * s1);
  }
  return Modulo(s0, m);
}

}  // namespace

WholeCrossings::WholeCrossings(Int128 p, std::int64_t q, std::int64_t d, std::int64_t y0, std::int64_t y1,
                               std::int32_t width, std::int32_t height, std::int64_t most) {
  // Q y = -P modulo D: no row when gcd(Q, D) does not divide P, else every D / gcd(Q, D)-th row.
  const std::int64_t whole = std::gcd(q, d), period = d / whole;
  if (FloorDivide(p, whole) * whole != p) return;
  const Int128 solution = Modulo(Modulo(-p / whole, period) * Inverse(q / whole, period), period);
  const Int128 first = y0 + Modulo(solution - y0, period);
  if (first >= y1) return;
  const Int128 count = (y1 - 1 - first) / period + 1;
  if (count > most) {
    listed_ = false;
    return;
  }
  crossings_.reserve(static_cast<std::size_t>(count));
  for (Int128 y = first; y < y1; y += period) {
    const auto column = static_cast<std::int64_t>((p + q * y) / d);
    crossings_.emplace_back(WrapCoordinate64(static_cast<std::int64_t>(y), height), WrapCoordinate64(column, width));
  }
  std::sort(crossings_.begin(), crossings_.end());
}

void WholeCrossings::AddTo(std::int32_t row, std::int64_t sign, RowWrites::ExactSteps writes) const {
  const auto on = std::equal_range(crossings_.begin(), crossings_.end(), std::pair{row, 0},
                                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto it = on.first; it != on.second; ++it) writes.AddPixel(it->second, sign);
}

}  // namespace tessmark

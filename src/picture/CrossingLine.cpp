#include "picture/CrossingLine.h"

#include <algorithm>

#include "picture/Canvas.h"

namespace tessmark {
namespace {

Int128 Magnitude(Int128 v) { return v < 0 ? -v : v; }

// steps (steps - 1) / 2 modulo 2^64.
std::uint64_t Triangle(std::int64_t steps) {
  const auto n = static_cast<std::uint64_t>(steps);
  return n % 2 == 0 ? n / 2 * (n - 1) : n * ((n - 1) / 2);
}

// z + whole + (rest + part) / d, the remainder kept in 0 ... d - 1.
void Advance(std::int64_t& z, std::int64_t& rest, std::int64_t whole, std::int64_t part, std::int64_t d) {
  z += whole;
  rest += part;
  if (rest >= d) {
    rest -= d;
    ++z;
  }
}

}  // namespace

Int128 FloorDivide(Int128 a, Int128 b) {
  const Int128 q = a / b;
  return a % b < 0 ? q - 1 : q;
}

CrossingLine::CrossingLine(Int128 p, std::int64_t q, std::int64_t d, std::int64_t y0, std::int64_t y1,
                           std::int32_t width, std::int32_t height)
    : p_(p), q_(q), d_(d), y0_(y0), rows_(std::max<std::int64_t>(y1 - y0, 0)), width_(width), height_(height) {
  if (rows_ == 0) return;
  // The continued fraction of the drift per picture height, in picture widths: its convergents'
  // denominators k are the chain lengths that keep the drift smallest.
  const Int128 lap = Int128{d_} * width_;
  Int128 n = Int128{q_} * height_ - FloorDivide(Int128{q_} * height_, lap) * lap, below = lap;
  Int128 before = 1, last = 0;
  Plan best = PlanFor(Int128{rows_});
  for (;;) {
    const Int128 term = n / below;
    const Int128 k = term * last + before;
    const Plan plan = PlanFor(k);
    if (plan.Cost < best.Cost) best = plan;
    const Int128 rest = n - term * below;
    if (Int128{height_} * k >= rows_ || rest == 0) break;
    before = last;
    last = k;
    n = below;
    below = rest;
  }
  chains_ = best.Block;
  full_ = rows_ / chains_;
  partial_ = rows_ % chains_;
  drift_ = static_cast<std::int64_t>(best.Drift);
  widths_ = static_cast<std::uint64_t>(best.Widths);
  driftWhole_ = static_cast<std::int64_t>(FloorDivide(drift_, d_));
  driftPart_ = drift_ - driftWhole_ * d_;
  if (drift_ != 0 && drift_ > -d_ && drift_ < d_) {
    columnWhole_ = d_ / (drift_ < 0 ? -drift_ : drift_);
    columnPart_ = d_ % (drift_ < 0 ? -drift_ : drift_);
  }
  if (chains_ > height_) {  // then height_ < rows_ <= d_, so a hop is at most the edge's width
    const Int128 hop = Int128{q_} * height_;
    hopWhole_ = static_cast<std::int64_t>(FloorDivide(hop, d_));
    hopPart_ = static_cast<std::int64_t>(hop - Int128{hopWhole_} * d_);
  }
  cost_ = best.Cost;
}

CrossingLine::Plan CrossingLine::PlanFor(Int128 k) const {
  const Int128 block = k * height_;
  if (block >= rows_) return {rows_, rows_, 0, 0};  // one row a chain: every row taken
  const Int128 lap = Int128{d_} * width_;
  const Int128 advance = Int128{q_} * block;
  const Int128 widths = FloorDivide(2 * advance + lap, 2 * lap);
  const Int128 drift = advance - widths * lap;
  const Int128 columns = Magnitude(drift) >= d_ ? Int128{rows_} : rows_ * Magnitude(drift) / d_;
  return {static_cast<std::int64_t>(block), static_cast<std::int64_t>(block + columns), drift, widths};
}

void CrossingLine::AddTo(std::int32_t row, std::int64_t sign, RowWrites& writes, std::uint64_t& laps) const {
  std::int64_t t = WrapCoordinate64(row - y0_, height_);
  if (t >= chains_) return;
  const Int128 c = p_ + Int128{q_} * (y0_ + t);
  const Int128 z0 = FloorDivide(c, d_);
  std::int64_t z = static_cast<std::int64_t>(z0), rest = static_cast<std::int64_t>(c - z0 * d_);
  for (;;) {
    AddChain(z, rest, full_ + (t < partial_ ? 1 : 0), sign, writes, laps);
    t += height_;
    if (t >= chains_) return;
    Advance(z, rest, hopWhole_, hopPart_, d_);
  }
}

// The chain's crossings floor((z D + rest + b drift) / D), b = 0 ... steps - 1, each `widths_` b
// picture widths further on.
void CrossingLine::AddChain(std::int64_t z, std::int64_t rest, std::int64_t steps, std::int64_t sign,
                            RowWrites& writes, std::uint64_t& laps) const {
  std::uint64_t widths = widths_ * Triangle(steps);
  std::int32_t column = WrapCoordinate64(z, width_);
  std::int64_t lap = (z - column) / width_;
  const auto take = [&](std::int64_t times) {
    writes.AddFrom(column, sign * times);
    widths += static_cast<std::uint64_t>(times) * static_cast<std::uint64_t>(lap);
  };
  if (columnWhole_ == 0 && drift_ != 0) {  // a column or more a step: each step on its own
    for (std::int64_t b = 0; b < steps; ++b) {
      take(1);
      Advance(z, rest, driftWhole_, driftPart_, d_);
      column = WrapCoordinate64(z, width_);
      lap = (z - column) / width_;
    }
  } else if (drift_ == 0) {
    take(steps);
  } else {
    // Runs of steps on one column, then the next column over (to the left when drifting left).
    const std::int64_t drift = drift_ < 0 ? -drift_ : drift_, way = drift_ < 0 ? -1 : 1;
    const std::int64_t toNext = drift_ < 0 ? rest + 1 : d_ - rest;  // D-ths to the next column
    std::int64_t taken = 0, next = (toNext + drift - 1) / drift, over = next * drift - toNext;
    for (;;) {
      const std::int64_t end = std::min(next, steps);
      take(end - taken);
      if (end == steps) break;
      taken = end;
      column += static_cast<std::int32_t>(way);
      if (column == width_ || column < 0) {
        column = column < 0 ? width_ - 1 : 0;
        lap += way;
      }
      next += columnWhole_;
      over -= columnPart_;
      if (over < 0) {
        over += drift;
        ++next;
      }
    }
  }
  laps -= static_cast<std::uint64_t>(sign) * widths;
}

}  // namespace tessmark

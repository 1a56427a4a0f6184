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
  step_ = MoveBy(drift_);
  if (drift_ != 0 && drift_ > -d_ && drift_ < d_) {
    columnWhole_ = d_ / (drift_ < 0 ? -drift_ : drift_);
    columnPart_ = d_ % (drift_ < 0 ? -drift_ : drift_);
    perDrift_ = 1.0 / static_cast<double>(drift_ < 0 ? -drift_ : drift_);
  }
  if (chains_ > height_) hop_ = MoveBy(Int128{q_} * height_);  // then height_ < rows_ <= d_: at most the edge's width
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

CrossingLine::Move CrossingLine::MoveBy(Int128 m) const {
  const Int128 whole = FloorDivide(m, d_);
  const Int128 laps = FloorDivide(whole, width_);
  return {static_cast<std::int32_t>(whole - laps * width_), static_cast<std::int64_t>(laps),
          static_cast<std::int64_t>(m - whole * d_)};
}

// ceil(toNext / |drift|), by a multiplication: a division per chain would cost more than the rest of it.
inline std::int64_t CrossingLine::StepsToReach(std::int64_t toNext) const {
  const std::int64_t drift = drift_ < 0 ? -drift_ : drift_;
  auto steps = static_cast<std::int64_t>(static_cast<double>(toNext) * perDrift_);
  while (steps * drift < toNext) ++steps;
  while (steps > 0 && (steps - 1) * drift >= toNext) --steps;
  return steps;
}

inline void CrossingLine::Step(Position& at, const Move& move) const {
  at.Column += move.Columns;
  at.Lap += move.Laps;
  at.Rest += move.Rest;
  if (at.Rest >= d_) {
    at.Rest -= d_;
    ++at.Column;
  }
  if (at.Column >= width_) {
    at.Column -= width_;
    ++at.Lap;
  }
}

// The chain's crossings floor((N + b drift) / D), b = 0 ... steps - 1, N / D at `at`, each further
// `widths_` b picture widths on (counted by the caller).
inline void CrossingLine::AddChain(Position at, std::int64_t steps, std::int64_t sign, RowWrites& writes,
                            std::uint64_t& laps) const {
  std::uint64_t widths = 0;
  const auto take = [&](std::int64_t times) {
    writes.AddFrom(at.Column, sign * times);
    widths += static_cast<std::uint64_t>(times) * static_cast<std::uint64_t>(at.Lap);
  };
  const std::int64_t drift = drift_ < 0 ? -drift_ : drift_;
  const std::int64_t toNext = drift_ < 0 ? at.Rest + 1 : d_ - at.Rest;  // D-ths to the next column
  if (Int128{steps - 1} * drift < toNext) {  // the whole chain on one column
    take(steps);
  } else if (columnWhole_ == 0) {  // a column or more a step: each step on its own
    for (std::int64_t b = 0; b < steps; ++b, Step(at, step_)) take(1);
  } else {
    // Runs of steps on one column, then the next column over (to the left when drifting left).
    std::int64_t taken = 0, next = StepsToReach(toNext), over = next * drift - toNext;
    for (;;) {
      const std::int64_t end = std::min(next, steps);
      take(end - taken);
      if (end == steps) break;
      taken = end;
      at.Column += drift_ < 0 ? -1 : 1;
      if (at.Column == width_ || at.Column < 0) {
        at.Lap += drift_ < 0 ? -1 : 1;
        at.Column = at.Column < 0 ? width_ - 1 : 0;
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

void CrossingLine::AddTo(std::int32_t row, std::int64_t sign, RowWrites& writes, std::uint64_t& laps) const {
  std::int64_t t = WrapCoordinate64(row - y0_, height_);
  if (t >= chains_) return;
  const Int128 c = p_ + Int128{q_} * (y0_ + t);
  Position at{0, 0, 0};
  Step(at, MoveBy(c));
  const std::uint64_t fullWidths = widths_ * Triangle(full_), partialWidths = widths_ * Triangle(full_ + 1);
  for (;;) {
    const bool partial = t < partial_;
    laps -= static_cast<std::uint64_t>(sign) * (partial ? partialWidths : fullWidths);
    AddChain(at, full_ + (partial ? 1 : 0), sign, writes, laps);
    t += height_;
    if (t >= chains_) return;
    Step(at, hop_);
  }
}

}  // namespace tessmark

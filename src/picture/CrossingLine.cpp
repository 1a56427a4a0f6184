#include "picture/CrossingLine.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

#include "picture/Canvas.h"

namespace tessmark {
namespace {

Int128 Magnitude(Int128 v) { return v < 0 ? -v : v; }

// n (n - 1) / 2 * times, modulo 2^64.
std::uint64_t Triangle(Int128 n, Int128 times) {
  return static_cast<std::uint64_t>(n * (n - 1) / 2) * static_cast<std::uint64_t>(times);
}

// The sum of floor((a i + b) / m) over i = 0 ... n - 1 (m > 0), modulo 2^64: Euclid's algorithm
// on the lattice points under the line, n never growing on the way.
std::uint64_t FloorSum(Int128 n, Int128 m, Int128 a, Int128 b) {
  std::uint64_t sum = Triangle(n, FloorDivide(a, m)) + static_cast<std::uint64_t>(n * FloorDivide(b, m));
  a = FloorModulo(a, m);
  b = FloorModulo(b, m);
  for (;;) {
    const Int128 top = a * n + b;
    if (top < m) return sum;
    n = top / m;
    b = top % m;
    std::swap(m, a);
    sum += Triangle(n, a / m) + static_cast<std::uint64_t>(n * (b / m));
    a %= m;
    b %= m;
  }
}

}  // namespace

Int128 FloorDivide(Int128 a, Int128 b) {
  const Int128 q = a / b;
  return a % b < 0 ? q - 1 : q;
}

Int128 FloorModulo(Int128 a, Int128 b) { return a - FloorDivide(a, b) * b; }

CrossingLine::CrossingLine(Int128 p, std::int64_t q, std::int64_t d, std::int64_t y0, std::int64_t y1,
                           std::int32_t width, std::int32_t height, bool pixels)
    : p_(p),
      q_(q),
      d_(d),
      y0_(y0),
      rows_(std::max<std::int64_t>(y1 - y0, 0)),
      width_(width),
      height_(height),
      pixels_(pixels) {
  if (rows_ == 0) return;
  const Plan best = BestPlan();
  cost_ = best.Cost;
  chains_ = best.Block;
  full_ = rows_ / chains_;
  partial_ = rows_ % chains_;
  drift_ = static_cast<std::int64_t>(best.Drift);
  driftSize_ = drift_ < 0 ? -drift_ : drift_;
  step_ = MoveBy(drift_);
  if (chains_ > height_) hop_ = MoveBy(Int128{q_} * height_);  // then height_ < rows_ <= d_: at most the edge's width
  TakeLandings(best);
  if (drift_ == 0 || driftSize_ >= d_) return;
  columnWhole_ = d_ / driftSize_;
  perColumn_ = InDrifts(d_);
  // Along the drift the next column comes hop_.Rest D-ths nearer (further drifting left), and a
  // column further when the remainder carries.
  const std::int64_t way = drift_ < 0 ? -1 : 1;
  hopPhase_ = InDrifts(-way * hop_.Rest);
  carry_ = InDrifts(way * d_);
}

void CrossingLine::TakeLandings(const Plan& best) {
  landingMost_ = (rows_ + height_ - 1) / height_;
  if (landingMost_ > LandingColumns::MostParts || width_ > RowWrites::MaxColumns || d_ > std::int64_t{UINT32_MAX})
    return;
  const auto lap = static_cast<std::int64_t>(Int128{d_} * width_);
  const auto step = static_cast<std::int64_t>(FloorModulo(Int128{q_} * height_, lap));
  const std::int64_t period = std::min(landingMost_, lap / std::gcd(step, lap));
  // Keeping a point costs a few steps; reading a column takes about two halvings a third of a
  // step each, more where the columns are uneven. A chain's columns may take half the time their
  // count says, so reading must cost under half of walking.
  const std::int64_t cost = 5 * period + std::int64_t{height_} * width_ * 5 / 3;
  if (2 * cost >= best.Cost + best.Block) return;
  cost_ = cost;
  landingStep_ = step;
  landingPeriod_ = period;
}

// Kept on first use: shapes whose rows all settle without counting never need them. Rows landing
// a period apart cross at the same point: a period of them is kept, counted once for each whole
// period, and its first ones once more for the part of a period left over.
void CrossingLine::KeepLandings() const {
  const std::pair<std::int64_t, std::int64_t> parts[] = {{landingPeriod_, landingMost_ / landingPeriod_},
                                                         {landingMost_ % landingPeriod_, 1}};
  for (const auto& [count, times] : parts) {
    if (count == 0) continue;
    if (!landings_.emplace_back(LandingColumns(landingStep_, count, d_, width_), times).first.Kept()) {
      landings_.clear();
      landingPeriod_ = 0;
      return;
    }
  }
}

void CrossingLine::AddLandings(Int128 c, std::int64_t landing, std::int64_t sign, RowWrites::ExactSteps writes) const {
  const auto shift = static_cast<std::int64_t>(FloorModulo(c, Int128{d_} * width_));
  for (const auto& kept : landings_) {
    const std::int64_t times = sign * kept.second;
    kept.first.Count(shift, [&](std::int32_t column, std::int64_t n) { Write(writes, column, times * n); });
  }
  // One landing fewer leaves out the last of those counted.
  if (landing < landingMost_) {
    const Int128 last = FloorDivide(c + Int128{q_} * height_ * landing, d_);
    Write(writes, static_cast<std::int32_t>(FloorModulo(last, width_)), -sign);
  }
}

std::int64_t CrossingLine::FewestWithin(std::int64_t span) const {
  // The rows landing on a picture row cross it at the same points round the lap, only moved, so
  // `span` columns hold at least the fewest points of any span Parts - 1 bins running round.
  constexpr std::int64_t Parts = 16;
  const std::int64_t landings = std::min<std::int64_t>(rows_ / height_, 1 << 20);
  if (landings == 0 || span <= 0 || width_ > RowWrites::MaxColumns) return 0;
  const std::int64_t lap = d_ * width_;  // below 2^53
  const auto step = static_cast<std::int64_t>(FloorModulo(Int128{q_} * height_, lap));
  std::vector<std::int64_t> bins(static_cast<std::size_t>(Parts * width_));
  for (std::int64_t j = 0, at = 0; j < landings; ++j, at = at + step < lap ? at + step : at + step - lap)
    ++bins[static_cast<std::size_t>(at * Parts / d_)];
  if (span >= width_) return landings;
  const auto length = static_cast<std::size_t>(span * Parts - 1);
  std::int64_t window = 0;
  for (std::size_t k = 0; k < length; ++k) window += bins[k];
  std::int64_t fewest = window;
  for (std::size_t k = 0; k < bins.size(); ++k) {
    window += bins[(k + length) % bins.size()] - bins[k];
    fewest = std::min(fewest, window);
  }
  return fewest;
}

// The continued fraction of the drift per picture height, in picture widths: its convergents'
// denominators k are the chain lengths that keep the drift smallest.
CrossingLine::Plan CrossingLine::BestPlan() const {
  const Int128 lap = Int128{d_} * width_;
  Int128 n = FloorModulo(Int128{q_} * height_, lap), below = lap;
  Int128 before = 1, last = 0;
  Plan best = PlanFor(Int128{rows_});
  for (;;) {
    const Int128 term = n / below;
    const Int128 k = term * last + before;
    const Plan plan = PlanFor(k);
    if (plan.Cost + plan.Block < best.Cost + best.Block) best = plan;  // a chain takes about two columns' time
    const Int128 rest = n - term * below;
    if (Int128{height_} * k >= rows_ || rest == 0) return best;
    before = last;
    last = k;
    n = below;
    below = rest;
  }
}

CrossingLine::Plan CrossingLine::PlanFor(Int128 k) const {
  const Int128 block = k * height_;
  if (block >= rows_) return {rows_, rows_, 0};  // one row a chain: every row taken
  const Int128 lap = Int128{d_} * width_;
  const Int128 advance = Int128{q_} * block;
  const Int128 widths = FloorDivide(2 * advance + lap, 2 * lap);
  const Int128 drift = advance - widths * lap;
  const Int128 columns = Magnitude(drift) >= d_ ? Int128{rows_} : rows_ * Magnitude(drift) / d_;
  return {static_cast<std::int64_t>(block), static_cast<std::int64_t>(block + columns), drift};
}

CrossingLine::Move CrossingLine::MoveBy(Int128 m) const {
  const Int128 whole = FloorDivide(m, d_);
  const Int128 laps = FloorDivide(whole, width_);
  return {static_cast<std::int32_t>(whole - laps * width_), static_cast<std::int64_t>(m - whole * d_)};
}

// Whether the remainder carried into the column.
inline bool CrossingLine::Step(Position& at, const Move& move) const {
  at.Column += move.Columns;
  at.Rest += move.Rest;
  const bool carried = at.Rest >= d_;
  if (carried) {
    at.Rest -= d_;
    ++at.Column;
  }
  if (at.Column >= width_) at.Column -= width_;
  return carried;
}

inline void CrossingLine::Shift(Phase& phase, const Amount& by) const {
  phase.Next += by.Whole;
  phase.Over -= by.Part;
  if (phase.Over < 0) {
    phase.Over += driftSize_;
    ++phase.Next;
  }
}

CrossingLine::Amount CrossingLine::InDrifts(std::int64_t v) const {
  const std::int64_t whole = static_cast<std::int64_t>(FloorDivide(v, driftSize_));
  return {whole, v - whole * driftSize_};
}

// The columns of the chain's crossings floor((N + b drift) / D), b = 0 ... steps - 1, N / D at `at`.
inline void CrossingLine::AddChain(Position at, Phase phase, std::int64_t steps, std::int64_t sign,
                                   RowWrites::ExactSteps writes) const {
  if (drift_ == 0 || (columnWhole_ != 0 && phase.Next >= steps)) {  // the whole chain on one column
    Write(writes, at.Column, sign * steps);
  } else if (columnWhole_ == 0) {  // a column or more a step: each step on its own
    for (std::int64_t b = 0; b < steps; ++b, Step(at, step_)) Write(writes, at.Column, sign);
  } else {
    // Runs of steps on one column, then the next column over (to the left when drifting left).
    std::int64_t taken = 0;
    for (;;) {
      const std::int64_t end = std::min(phase.Next, steps);
      Write(writes, at.Column, sign * (end - taken));
      if (end == steps) return;
      taken = end;
      at.Column += drift_ < 0 ? -1 : 1;
      if (at.Column == width_ || at.Column < 0) at.Column = at.Column < 0 ? width_ - 1 : 0;
      Shift(phase, perColumn_);
    }
  }
}

void CrossingLine::AddTo(std::int32_t row, std::int64_t sign, RowWrites::ExactSteps writes, std::uint64_t& laps) const {
  std::int64_t t = WrapCoordinate64(row - y0_, height_);
  if (t >= chains_) return;
  const Int128 c = p_ + Int128{q_} * (y0_ + t);
  // floor(x / W) summed over the crossings floor((c + i Q H) / D) of the rows landing here.
  const std::int64_t landing = (rows_ - t + height_ - 1) / height_;
  if (!pixels_) laps -= static_cast<std::uint64_t>(sign) * FloorSum(landing, Int128{d_} * width_, Int128{q_} * height_, c);
  if (landingPeriod_ != 0 && landings_.empty()) KeepLandings();
  if (landingPeriod_ != 0) {
    AddLandings(c, landing, sign, writes);
    return;
  }
  Position at{0, 0};
  Step(at, MoveBy(c));
  // D-ths of a column to the next column along the drift, kept from chain to chain without dividing.
  Phase phase{0, 0};
  if (columnWhole_ != 0) {
    const std::int64_t toNext = drift_ < 0 ? at.Rest + 1 : d_ - at.Rest;
    const Amount split = InDrifts(toNext - 1);
    phase = {split.Whole + 1, (split.Whole + 1) * driftSize_ - toNext};
  }
  for (;; t += height_) {
    AddChain(at, phase, full_ + (t < partial_ ? 1 : 0), sign, writes);
    if (t + height_ >= chains_) return;
    if (Step(at, hop_)) Shift(phase, carry_);
    Shift(phase, hopPhase_);
  }
}

}  // namespace tessmark

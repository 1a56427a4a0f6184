#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "picture/LandingColumns.h"
#include "picture/RowWrites.h"

namespace tessmark {

__extension__ typedef __int128 Int128;  // products of 64-bit coordinates and slopes

// floor(a / b) for b > 0.
Int128 FloorDivide(Int128 a, Int128 b);
// a - b floor(a / b), from 0 to b - 1.
Int128 FloorModulo(Int128 a, Int128 b);

// The column floor((P + Q y) / D) (D > 0) at which an edge crosses each of the rows y0 ... y1 - 1,
// counted onto the rows of a wrap-around picture without visiting each of those rows.
//
// Rows H k apart land on the same picture row, their crossings k Q H / D columns apart: a whole
// number of picture widths plus a small drift, k chosen from the slope's continued fraction to
// keep it small. A chain of such rows then moves slowly across the row and is taken a column at a
// time, however many rows it has. Where that still takes long, the crossings of the rows landing
// on a picture row are kept in LandingColumns instead.
class CrossingLine {
 public:
  // A pixel line writes each crossing's own pixel only, rather than from it on.
  CrossingLine(Int128 p, std::int64_t q, std::int64_t d, std::int64_t y0, std::int64_t y1, std::int32_t width,
               std::int32_t height, bool pixels = false);

  // About how many steps all picture rows together take.
  std::int64_t Cost() const { return cost_; }

  // The fewest crossings any `span` columns running of any picture row have, as far as the first
  // million rows landing on each tell.
  std::int64_t FewestWithin(std::int64_t span) const;

  // For every row landing on picture row `row`, `sign` writes from the crossing on to a fixed point
  // far right: into the steps of `writes` for its column, and into `laps` (kept modulo 2^64, as
  // only the sum over a row's crossings is meant) for the picture widths it lies right of zero.
  void AddTo(std::int32_t row, std::int64_t sign, RowWrites::ExactSteps writes, std::uint64_t& laps) const;

 private:
  struct Plan {
    std::int64_t Block, Cost;
    Int128 Drift;
  };
  // A crossing floor(N / D): its column and N mod D.
  struct Position {
    std::int32_t Column;
    std::int64_t Rest;
  };
  // A move by M / D columns: whole columns modulo the width, and M mod D.
  struct Move {
    std::int32_t Columns = 0;
    std::int64_t Rest = 0;
  };
  // How many steps of the drift reach the next column along it: Next |drift| - Over D-ths
  // (0 <= Over < |drift|) away.
  struct Phase {
    std::int64_t Next, Over;
  };
  // A change of Whole |drift| + Part D-ths (0 <= Part < |drift|).
  struct Amount {
    std::int64_t Whole = 0, Part = 0;
  };
  Plan BestPlan() const;
  Plan PlanFor(Int128 k) const;
  Move MoveBy(Int128 m) const;
  Amount InDrifts(std::int64_t v) const;
  bool Step(Position& at, const Move& move) const;
  void Shift(Phase& phase, const Amount& by) const;
  void TakeLandings(const Plan& best);
  void KeepLandings() const;
  void AddLandings(Int128 c, std::int64_t landing, std::int64_t sign, RowWrites::ExactSteps writes) const;
  void AddChain(Position at, Phase phase, std::int64_t steps, std::int64_t sign, RowWrites::ExactSteps writes) const;
  void Write(RowWrites::ExactSteps writes, std::int32_t column, std::int64_t times) const {
    if (pixels_)
      writes.AddPixel(column, times);
    else
      writes.AddFrom(column, times);
  }

  Int128 p_;
  std::int64_t q_, d_, y0_, rows_;
  std::int32_t width_, height_;
  bool pixels_;
  std::int64_t chains_ = 0, full_ = 0, partial_ = 0;  // chains, and steps in each (one more below partial_)
  std::int64_t drift_ = 0, driftSize_ = 0;           // a step's drift, in D-ths of a column, and its size
  Move step_, hop_;                                  // a step of a chain; from one chain of a picture row to the next
  std::int64_t columnWhole_ = 0;                     // D / |drift|: 0 when a step drifts a column or more
  Amount perColumn_, hopPhase_, carry_;              // D, -hop_.Rest and D along the drift, in drifts
  std::int64_t cost_ = 0;
  // Those of the rows landing landingMost_ times, landingStep_ D-ths of a column apart round the
  // lap, each counted as often as the number beside it; none while chains are walked instead
  // (landingPeriod_ 0).
  mutable std::vector<std::pair<LandingColumns, std::int64_t>> landings_;
  std::int64_t landingMost_ = 0, landingStep_ = 0;
  mutable std::int64_t landingPeriod_ = 0;  // rows landing this many apart cross at the same point
};

}  // namespace tessmark

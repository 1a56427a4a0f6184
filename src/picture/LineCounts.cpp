#include "picture/LineCounts.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "picture/Canvas.h"
#include "picture/LineSteps.h"
#include "picture/ResidueWindow.h"

namespace tessmark {
namespace {

// Doubles put a step within 2^-19 of its exact place: coordinates stay below 2^33, so the slope's
// division, the step's product and the sum are each off by at most 2^-20. A step whose exact
// place lies further than 2^-18 from a whole number therefore truncates the same either way.
constexpr int SureBits = 18;

// Steps near a boundary are worked out one by one; a line with more of them is drawn instead.
constexpr std::int64_t MostNearSteps = 1 << 17;

}  // namespace

LineCounts::LineCounts(std::span<const Point> points, std::int64_t fewestSteps, std::int32_t width,
                       std::int32_t height)
    : width_(width), height_(height) {
  for (std::size_t k = 1; k <= points.size(); ++k) {
    const Point from = points[k - 1], to = points[k % points.size()];
    counted_.push_back(Steps(from, to) >= fewestSteps && Add(from, to));
  }
  std::sort(marks_.begin(), marks_.end(), [](const Mark& a, const Mark& b) { return a.Row < b.Row; });
  // A long line's passes alone may write every pixel over and over: its longest pass along y has
  // a pixel a row, its longest along x a run a row of at least Run / Rise columns (but the last).
  const auto longer = [](const CrossingLine& a, const CrossingLine& b) { return a.Cost() < b.Cost(); };
  const auto pixels = std::max_element(pixels_.begin(), pixels_.end(), longer);
  if (pixels != pixels_.end()) fewest_ += pixels->FewestWithin(1);
  for (const Runs* lines : {&runs_, &upRuns_}) {
    const auto runs = std::max_element(lines->Lines.begin(), lines->Lines.end(), longer);
    if (runs != lines->Lines.end()) fewest_ += std::max<std::int64_t>(runs->FewestWithin(lines->Spans[runs - lines->Lines.begin()]) - 1, 0);
  }
  // Less what steps near a boundary took from any one pixel.
  std::sort(taken_.begin(), taken_.end());
  std::int64_t most = 0;
  for (auto at = taken_.begin(); at != taken_.end();) {
    const auto next = std::upper_bound(at, taken_.end(), *at);
    most = std::max<std::int64_t>(most, next - at);
    at = next;
  }
  fewest_ -= most;
}

std::int64_t LineCounts::Steps(Point from, Point to) {
  return std::llabs(std::int64_t{to.X} - from.X) + std::llabs(std::int64_t{to.Y} - from.Y);
}

// Takes the writes of DrawLine from `from` towards `to`, unless too many of its steps lie near a
// rounding boundary: false then, and nothing taken.
bool LineCounts::Add(Point from, Point to) {
  const std::int64_t dx = std::int64_t{to.X} - from.X, dy = std::int64_t{to.Y} - from.Y;
  std::vector<Pass> passes;
  if (dx == 0 && dy == 0) return true;
  if (dx == 0 || dy == 0) {  // a straight run; drawn backwards it keeps its end point
    const std::int64_t d = dx == 0 ? dy : dx, count = d > 0 ? d : 1 - d;
    passes.push_back(dx == 0 ? Pass{from.Y, d > 0 ? 1 : -1, count, from.X, 0, count, false}
                             : Pass{from.X, d > 0 ? 1 : -1, count, from.Y, 0, count, true});
  } else {
    passes.push_back({from.X, dx > 0 ? 1 : -1, std::llabs(dx), from.Y, dy, std::llabs(dx), true});
    passes.push_back({from.Y, dy > 0 ? 1 : -1, std::llabs(dy), from.X, dx, std::llabs(dy), false});
  }
  std::vector<Mark> moved;
  std::vector<Pixel> taken;
  for (const Pass& pass : passes)
    if (!Rounded(pass, moved, taken)) return false;
  taken_.insert(taken_.end(), taken.begin(), taken.end());
  for (const Pass& pass : passes) {
    // The truncation is a floor where the exact place is not negative, a ceiling where it is.
    const Int128 start = Int128{pass.Cross} * pass.Run, ceiling = start + pass.Run - 1;
    const Int128 split = pass.Rise > 0   ? -FloorDivide(start, pass.Rise)
                         : pass.Rise < 0 ? FloorDivide(start, -pass.Rise) + 1
                                         : (start >= 0 ? pass.Count : 0);
    const std::int64_t zero = static_cast<std::int64_t>(std::clamp<Int128>(split, 0, pass.Count));
    AddPart(pass, {0, zero, pass.Rise > 0 ? ceiling : start});
    AddPart(pass, {zero, pass.Count, pass.Rise > 0 ? start : ceiling});
  }
  marks_.insert(marks_.end(), moved.begin(), moved.end());
  return true;
}

// Adds, for the steps near a boundary that the doubles put elsewhere, a write taken from the exact
// place and one given to the rounded place.
bool LineCounts::Rounded(const Pass& pass, std::vector<Mark>& moved, std::vector<Pixel>& taken) const {
  const std::int64_t g = std::gcd(std::llabs(pass.Rise), pass.Run), q = pass.Run / g;
  const std::int64_t slack = q >> SureBits;
  // Then only steps at whole numbers are near one, and doubles hold those exactly.
  if (slack == 0 && (q & (q - 1)) == 0) return true;
  if (Int128{pass.Count} / q * (2 * slack + 1) + 2 * slack + 1 > MostNearSteps) return false;
  const double slope = LineSlope(pass.Rise, pass.Run);
  const Int128 a = ((pass.Rise / g) % q + q) % q;
  for (Int128 k = 0; k < pass.Count; ++k) {
    const Int128 skip = FirstInWindow(a, (a * k + slack) % q, q, 2 * slack);
    if (skip < 0 || (k += skip) >= pass.Count) break;
    const auto exact = static_cast<std::int64_t>((Int128{pass.Cross} * pass.Run + k * pass.Rise) / pass.Run);
    const std::int64_t rounded = LineCross(static_cast<std::int32_t>(pass.Cross), static_cast<std::int64_t>(k), slope);
    if (rounded == exact) continue;
    const std::int64_t main = pass.Main + pass.Step * static_cast<std::int64_t>(k);
    const std::int64_t x = pass.AcrossIsRow ? main : exact, y = pass.AcrossIsRow ? exact : main;
    taken.push_back({WrapCoordinate64(x, width_), WrapCoordinate64(y, height_)});
    AddPixel(moved, x, y, -1);
    AddPixel(moved, pass.AcrossIsRow ? main : rounded, pass.AcrossIsRow ? rounded : main, 1);
  }
  return true;
}

void LineCounts::AddPixel(std::vector<Mark>& marks, std::int64_t x, std::int64_t y, std::int64_t sign) const {
  const std::int32_t row = WrapCoordinate64(y, height_);
  marks.push_back({row, x, sign});
  marks.push_back({row, x + 1, -sign});
}

void LineCounts::AddPart(const Pass& pass, const Part& part) {
  if (part.From >= part.To) return;
  if (pass.AcrossIsRow) {
    AddRuns(pass, part);
  } else {
    AddPixels(pass, part);
  }
}

// One pixel a row, on the rows the pass steps along.
void LineCounts::AddPixels(const Pass& pass, const Part& part) {
  const std::int64_t s = pass.Step;
  const Int128 p = part.A - Int128{s} * pass.Rise * pass.Main;
  const std::int64_t y0 = s > 0 ? pass.Main + part.From : pass.Main - part.To + 1;
  pixels_.emplace_back(p, s * pass.Rise, pass.Run, y0, y0 + part.To - part.From, width_, height_, true);
}

// One run a row, from the first step landing on the row to the first on the next.
void LineCounts::AddRuns(const Pass& pass, const Part& part) {
  const std::int64_t length = part.To - part.From;
  // Step j = 0 ... length - 1 of the run, left to right: column first + j, row floor((a + b j) / Run).
  const bool forwards = pass.Step > 0;
  const std::int64_t first = forwards ? pass.Main + part.From : pass.Main - part.To + 1;
  Int128 a = part.A + Int128{pass.Rise} * (forwards ? part.From : part.To - 1);
  std::int64_t b = forwards ? pass.Rise : -pass.Rise;
  // Rows counted upwards as row -1 - y, so that they too grow along the run.
  const bool up = b < 0;
  if (up) a = -a - 1, b = -b;
  const auto row = [&](Int128 y) { return WrapCoordinate64(static_cast<std::int64_t>(up ? -y - 1 : y), height_); };
  const Int128 firstRow = FloorDivide(a, pass.Run), lastRow = FloorDivide(a + Int128{b} * (length - 1), pass.Run);
  marks_.push_back({row(firstRow), first, 1});
  marks_.push_back({row(lastRow), first + length, -1});
  if (firstRow == lastRow) return;
  // Row y's first step: j = ceil((y Run - a) / b).
  const Int128 p = Int128{first} * b - a + b - 1;
  const auto y0 = static_cast<std::int64_t>(firstRow), y1 = static_cast<std::int64_t>(lastRow);
  // The ends, on rows y0 ... y1 - 1, are the starts of the rows after.
  Runs& runs = up ? upRuns_ : runs_;
  runs.Lines.emplace_back(p, pass.Run, b, y0 + 1, y1 + 1, width_, height_);
  runs.Spans.push_back(pass.Run / b);
}

std::int64_t LineCounts::Cost() const {
  std::int64_t cost = static_cast<std::int64_t>(marks_.size());
  for (const std::vector<CrossingLine>* lines : {&pixels_, &std::as_const(runs_).Lines, &std::as_const(upRuns_).Lines})
    for (const CrossingLine& line : *lines) cost += line.Cost();
  return cost;
}

// sign times the writes of the run starts onto `row` (wrapped), counted afresh unless they were
// the last counted: each row's starts are the row before's ends.
void LineCounts::AddRuns(Runs& runs, std::int64_t row, std::int64_t sign, RowWrites::ExactSteps steps,
                         std::uint64_t& laps) const {
  if (runs.Lines.empty()) return;
  if (runs.Row != row || runs.First != steps.First) {
    runs.Steps.assign(static_cast<std::size_t>(steps.Columns) + 1, 0);
    runs.Laps = 0;
    const RowWrites::ExactSteps kept{runs.Steps.data(), steps.First, steps.Columns};
    for (const CrossingLine& line : runs.Lines) line.AddTo(static_cast<std::int32_t>(row), 1, kept, runs.Laps);
    runs.Row = row;
    runs.First = steps.First;
  }
  for (std::size_t x = 0; x < runs.Steps.size(); ++x) steps.Steps[x] += sign * runs.Steps[x];
  laps += static_cast<std::uint64_t>(sign) * runs.Laps;
}

void LineCounts::CountRow(std::int32_t row, RowWrites& writes) const {
  if (writes.SettledBy(fewest_)) return;
  std::uint64_t laps = 0;
  const RowWrites::ExactSteps steps = writes.Exact();
  for (const CrossingLine& line : pixels_) line.AddTo(row, 1, steps, laps);
  // In this order, the runs kept from the row before serve first.
  AddRuns(runs_, row, 1, steps, laps);
  AddRuns(runs_, std::int64_t{row} + 1, -1, steps, laps);
  const std::int64_t upRow = height_ - 1 - row;
  AddRuns(upRuns_, upRow + 1, -1, steps, laps);
  AddRuns(upRuns_, upRow, 1, steps, laps);
  const auto [first, last] = std::equal_range(marks_.begin(), marks_.end(), Mark{row, 0, 0},
                                              [](const Mark& a, const Mark& b) { return a.Row < b.Row; });
  for (auto mark = first; mark != last; ++mark) {
    steps.AddFrom(WrapCoordinate64(mark->Column, width_), mark->Sign);
    laps -= static_cast<std::uint64_t>(mark->Sign) * static_cast<std::uint64_t>(FloorDivide(mark->Column, width_));
  }
  writes.AddEverywhere(static_cast<std::int64_t>(laps));
}

}  // namespace tessmark

#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "picture/RepeatedBlend.h"

namespace tessmark {

// How many times one shape writes each pixel of one stretch of a picture row. A run is taken
// whole however long it is: its full laps of the row count for every pixel, the rest for one range.
class RowWrites {
 public:
  // The widest stretch counted at once: a count takes 8 bytes a pixel, so a very wide row is
  // counted a stretch at a time.
  static constexpr std::int32_t MaxColumns = 1 << 20;

  // Counts beyond `enough` (the blend's Settled) change nothing and are not kept.
  RowWrites(std::int32_t width, std::int64_t enough);

  // Counts from now on the pixels first ... first + MaxColumns - 1 of the row (those there are).
  void Start(std::int32_t first);

  // Pixels x ... x + length - 1 of the row, wrapped round, each written `times` more times.
  void Add(std::int64_t x, std::int64_t length, std::int64_t times = 1);

  // The writes after which a pixel changes no more.
  std::int64_t Enough() const { return enough_; }

  // Every pixel has been written enough times: further runs onto the row change nothing.
  bool Settled() const { return !exact_ && laps_ >= enough_; }

  // Drops what was counted since Start, for the stretch to be counted afresh.
  void Clear();

  // Exact counts, which may fall as well as rise, taken through Exact(): `times` more writes for
  // the pixel in `column` (0 ... width - 1) and every one after it in the row.
  struct ExactSteps {
    std::int64_t* Steps;
    std::int32_t First, Columns;

    void AddFrom(std::int32_t column, std::int64_t times) const {
      const std::int64_t at = std::max<std::int64_t>(std::int64_t{column} - First, 0);
      if (at < Columns) Steps[at] += times;
    }
    // The pixel in `column` alone.
    void AddPixel(std::int32_t column, std::int64_t times) const {
      AddFrom(column, times);
      AddFrom(column + 1, -times);  // past the row's end when the last column
    }
  };
  ExactSteps Exact() {
    exact_ = true;
    return {steps_.data(), first_, columns_};
  }
  // `times` more exact writes for every pixel of the row.
  void AddEverywhere(std::int64_t times) {
    laps_ += times;
    exact_ = true;
  }

  // Counts every pixel as settled when `fewest` writes, which each has had, are enough: true then.
  bool SettledBy(std::int64_t fewest) {
    if (fewest < enough_) return false;
    AddEverywhere(enough_);
    return true;
  }

  // Lays the counted writes onto the stretch's pixels in the row; Clear then starts again from none.
  void ApplyTo(std::uint8_t* row, const RepeatedBlend& blend) const;

 private:
  void AddRange(std::int64_t from, std::int64_t to, std::int64_t times);

  std::int32_t width_;
  std::int64_t enough_;
  std::int32_t first_ = 0, columns_;  // the stretch counted
  std::int64_t laps_ = 0;  // writes every pixel has had
  bool ranges_ = false;
  bool exact_ = false;  // counts added exactly; laps_ alone then says nothing of settling
  // steps_[x]: how much more pixel first_ + x has had than the one before it, beyond the laps.
  std::vector<std::int64_t> steps_;
};

}  // namespace tessmark

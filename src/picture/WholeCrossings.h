#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "picture/CrossingLine.h"
#include "picture/RowWrites.h"

namespace tessmark {

// The rows y0 ... y1 - 1 on which the line (P + Q y) / D (D > 0) falls on a whole column, each
// with that column, kept by the picture row they land on. There its floor and its ceiling meet: a
// run from one to the other, a pixel wide elsewhere, is empty.
class WholeCrossings {
 public:
  // Lists none, and is not Listed(), when there are more than `most`.
  WholeCrossings(Int128 p, std::int64_t q, std::int64_t d, std::int64_t y0, std::int64_t y1, std::int32_t width,
                 std::int32_t height, std::int64_t most);

  bool Listed() const { return listed_; }

  // `sign` writes into the pixel of each row landing on picture row `row`.
  void AddTo(std::int32_t row, std::int64_t sign, RowWrites::ExactSteps writes) const;

 private:
  std::vector<std::pair<std::int32_t, std::int32_t>> crossings_;  // picture row and column, sorted
  bool listed_ = true;
};

}  // namespace tessmark

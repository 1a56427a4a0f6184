#pragma once

#include <cstdint>

#include "picture/Color.h"

namespace tessmark {

// One colour at one weight laid out for whole runs of pixels: the colour repeated, and for blending
// the colour already multiplied by the weight.
class RunPattern {
 public:
  // 48 bytes hold 16 whole pixels and are a multiple of the vector width, so runs are painted in
  // whole blocks of the repeating pattern.
  static constexpr int BlockBytes = 48;

  RunPattern(Color c, std::uint8_t weight);

  // Paints n consecutive pixels of one row: stores the colour, or blends it with the weight.
  void Paint(std::uint8_t* pixels, std::int64_t n) const;

  std::uint8_t Weight() const { return weight_; }
  Color Colour() const { return {colour_[0], colour_[1], colour_[2]}; }

 private:
  void Store(std::uint8_t* p, std::int64_t bytes) const;
  void Blend(std::uint8_t* p, std::int64_t bytes) const;

  std::uint8_t weight_;
  std::uint8_t colour_[BlockBytes];
  std::uint16_t added_[BlockBytes];
};

// Paints n consecutive pixels of one row: stores the colour, or blends it with the weight.
void PaintRun(std::uint8_t* pixels, std::int64_t n, Color c, std::uint8_t weight);

}  // namespace tessmark

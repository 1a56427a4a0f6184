#pragma once

#include <cstdint>
#include <cstring>

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

// Inline: most runs are a few dozen pixels, and a call for each showed in every shape's painting.
inline void RunPattern::Paint(std::uint8_t* pixels, std::int64_t n) const {
  if (weight_ == 255) {
    Store(pixels, n * 3);
  } else if (weight_ != 0) {  // weight 0 gives back every old value exactly
    Blend(pixels, n * 3);
  }
}

// Every piece starts at a whole pixel, so the pattern lines up with it wherever it starts; pieces
// that overlap store the same bytes twice, which lets every copy have a fixed size.
inline void RunPattern::Store(std::uint8_t* p, std::int64_t bytes) const {
  if (bytes >= BlockBytes) {
    for (std::int64_t at = 0; at + BlockBytes <= bytes; at += BlockBytes) std::memcpy(p + at, colour_, BlockBytes);
    std::memcpy(p + bytes - BlockBytes, colour_, BlockBytes);
  } else if (bytes >= 24) {
    std::memcpy(p, colour_, 24);
    std::memcpy(p + bytes - 24, colour_, 24);
  } else if (bytes >= 12) {
    std::memcpy(p, colour_, 12);
    std::memcpy(p + bytes - 12, colour_, 12);
  } else if (bytes >= 6) {
    std::memcpy(p, colour_, 6);
    std::memcpy(p + bytes - 6, colour_, 6);
  } else if (bytes == 3) {
    std::memcpy(p, colour_, 3);
  }
}

}  // namespace tessmark

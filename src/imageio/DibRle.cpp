#include "imageio/DibRle.h"

namespace tessmark {
namespace {

constexpr std::uint8_t EndOfLine = 0, EndOfBitmap = 1, Delta = 2;

class RleCursor {
 public:
  RleCursor(const DibPalette& palette, Picture& picture) : palette_(palette), picture_(picture) {}

  bool Inside() const { return row_ < picture_.Height; }
  void NextLine() {
    x_ = 0;
    ++row_;
  }
  void Move(std::uint8_t dx, std::uint8_t dy) {
    x_ += dx;
    row_ += dy;
  }
  void Put(std::uint8_t index) {
    if (x_ < picture_.Width && row_ < picture_.Height) {
      std::uint8_t* p = picture_.Row(picture_.Height - 1 - row_) + std::size_t(x_) * 3;
      const Color c = palette_[index];
      p[0] = c.Red;
      p[1] = c.Green;
      p[2] = c.Blue;
    }
    ++x_;
  }

 private:
  const DibPalette& palette_;
  Picture& picture_;
  std::int64_t x_ = 0;
  std::int64_t row_ = 0;  // counted from the bottom, as stored
};

// The index of pixel i of a run whose byte (or byte pair) is `value`.
std::uint8_t RunIndex(std::uint8_t value, int bitsPerIndex, int i) {
  if (bitsPerIndex == 8) return value;
  return i % 2 == 0 ? value >> 4 : value & 0x0F;
}

}  // namespace

void DecodeDibRle(std::span<const std::uint8_t> stream, int bitsPerIndex, const DibPalette& palette, Picture& picture) {
  RleCursor cursor(palette, picture);
  std::size_t at = 0;
  while (at + 2 <= stream.size() && cursor.Inside()) {
    const std::uint8_t count = stream[at], value = stream[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) cursor.Put(RunIndex(value, bitsPerIndex, i));
    } else if (value == EndOfLine) {
      cursor.NextLine();
    } else if (value == EndOfBitmap) {
      return;
    } else if (value == Delta) {
      if (at + 2 > stream.size()) return;
      cursor.Move(stream[at], stream[at + 1]);
      at += 2;
    } else {
      // An absolute run of `value` indices, padded to a whole 16-bit word.
      const std::size_t bytes = bitsPerIndex == 8 ? value : (value + 1u) / 2;
      if (at + bytes > stream.size()) return;
      for (int i = 0; i < value; ++i) {
        const std::uint8_t b = stream[at + (bitsPerIndex == 8 ? i : i / 2)];
        cursor.Put(RunIndex(b, bitsPerIndex, i));
      }
      at += (bytes + 1) & ~std::size_t{1};
    }
  }
}

}  // namespace tessmark

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "files/HugePages.h"
#include "picture/AvailableMemory.h"
#include "picture/Color.h"

namespace tessmark {

// The working picture: Width x Height pixels of three bytes (red, green, blue), rows from the top,
// in one contiguous block so that a snapshot is one copy.
class Picture {
 public:
  // Copies are whole pixel blocks and may fail: take them with ClonePicture.
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  Picture(Picture&&) noexcept = default;
  Picture& operator=(Picture&&) noexcept = default;
  ~Picture() = default;

  std::int32_t Width = 0;
  std::int32_t Height = 0;

  std::uint8_t* Pixels() { return pixels_.get(); }
  const std::uint8_t* Pixels() const { return pixels_.get(); }
  std::size_t ByteCount() const { return static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height) * 3; }
  std::uint8_t* Row(std::int32_t y) { return pixels_.get() + static_cast<std::size_t>(y) * Width * 3; }
  const std::uint8_t* Row(std::int32_t y) const { return pixels_.get() + static_cast<std::size_t>(y) * Width * 3; }

 private:
  friend std::optional<Picture> AllocatePicture(std::int32_t width, std::int32_t height,
                                                const AvailableMemory& available);
  Picture(std::int32_t width, std::int32_t height, LargeBlock<std::uint8_t> pixels);

  LargeBlock<std::uint8_t> pixels_;
};

// Where a picture's pixels lie, taken by value by whatever paints: painting reads the size and the
// rows for every run of pixels, and the picture object may share a cache line with data another
// thread writes all the while (a random state beside it on the stack).
struct PixelGrid {
  PixelGrid() = default;
  PixelGrid(Picture& picture) : Width(picture.Width), Height(picture.Height), pixels_(picture.Pixels()) {}

  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::uint8_t* Row(std::int32_t y) const { return pixels_ + static_cast<std::size_t>(y) * Width * 3; }

 private:
  std::uint8_t* pixels_ = nullptr;
};

struct PictureSize {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The largest pixel block a picture may have: its byte count must fit in 32 bits.
inline constexpr std::uint64_t MaxPictureBytes = 0xFFFFFFFFull;

// A white picture, or nothing when the size is not positive, its byte count does not fit in 32 bits
// or the memory is not there (by what `available` says, before any of it is touched). Never a
// smaller picture.
std::optional<Picture> CreatePicture(std::int32_t width, std::int32_t height,
                                     const AvailableMemory& available = SystemAvailableMemory);

// The same checks as CreatePicture, pixels left uninitialised for a caller that fills them all.
std::optional<Picture> AllocatePicture(std::int32_t width, std::int32_t height,
                                       const AvailableMemory& available = SystemAvailableMemory);

// A byte-for-byte copy, or nothing when the memory is not there.
std::optional<Picture> ClonePicture(const Picture& picture, const AvailableMemory& available = SystemAvailableMemory);

// The element number of an inside pixel (row-major), -1 for any other coordinate.
constexpr std::int32_t PixelIndex(std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y) {
  if (x < 0 || y < 0 || x >= width || y >= height) return -1;
  return y * width + x;
}

// The non-negative remainder of v by size. Shapes stay within about one picture size of the
// picture, so the common cases cost a compare and an add, not a division.
constexpr std::int32_t WrapCoordinate(std::int32_t v, std::int32_t size) {
  if (v >= 0) {
    if (v < size) return v;
    if (v - size < size) return v - size;
  } else if (v >= -size) {
    return v + size;
  }
  const std::int32_t r = v % size;
  return r < 0 ? r + size : r;
}

struct Point {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

constexpr Point WrapCoordinates(std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y) {
  return {WrapCoordinate(x, width), WrapCoordinate(y, height)};
}

// old + (new - old) * weight / 255, fixed as this integer form so pictures are reproducible bit for bit.
constexpr std::uint8_t BlendChannel(std::uint8_t oldValue, std::uint8_t newValue, std::uint8_t weight) {
  return static_cast<std::uint8_t>((oldValue * (255 - weight) + newValue * weight) / 255);
}

// No wrap, no blend; false (and c untouched) outside the picture.
inline bool ReadPixel(const Picture& picture, std::int32_t x, std::int32_t y, Color& c) {
  const std::int32_t k = PixelIndex(picture.Width, picture.Height, x, y);
  if (k < 0) return false;
  const std::uint8_t* p = picture.Pixels() + static_cast<std::size_t>(k) * 3;
  c = {p[0], p[1], p[2]};
  return true;
}

}  // namespace tessmark

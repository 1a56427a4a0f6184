#pragma once

#include <cstddef>
#include <cstdint>

namespace tessmark {

// How a decoder hands over a row of pixels.
enum class RowLayout {
  BgrKeyed,  // blue, green, red; pure white is the transparent background (the BMP stamps)
  RgbKeyed,  // red, green, blue; the same white key
  Rgb,       // red, green, blue, opaque
  Rgba,      // red, green, blue, alpha
};

// Where a picture file's decoder puts what it decodes, one pass: the loaded picture's 4-byte pixels
// or a working picture laid over white. Rows arrive once each, from the top.
class PictureRows {
 public:
  virtual ~PictureRows() = default;
  // The layout the destination holds, which a decoder that can choose delivers.
  virtual RowLayout Preferred() const = 0;
  // Makes room for the picture; false when the memory is not there.
  virtual bool Start(std::int32_t width, std::int32_t height) = 0;
  // Where the decoder may write row y itself, when that is the layout the destination holds.
  virtual std::uint8_t* Direct(std::int32_t y, RowLayout layout) = 0;
  // Converts the next row, unless the decoder wrote it through Direct.
  virtual void Put(std::int32_t y, const std::uint8_t* pixels, RowLayout layout) = 0;
};

// Hands over a whole decoded block, its first row at first and each next step bytes on; false when
// the destination has no room for it.
bool PutRows(std::int32_t width, std::int32_t height, const std::uint8_t* first, std::ptrdiff_t step,
             RowLayout layout, PictureRows& rows);

// Converts a row of width pixels into red, green, blue, alpha.
void RowToRgba(const std::uint8_t* in, RowLayout layout, std::int32_t width, std::uint8_t* rgba);

// Converts a row of width pixels into red, green, blue laid over white.
void RowOverWhite(const std::uint8_t* in, RowLayout layout, std::int32_t width, std::uint8_t* rgb);

}  // namespace tessmark

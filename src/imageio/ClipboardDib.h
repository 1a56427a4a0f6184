#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "imageio/Bitmap32.h"
#include "picture/Picture.h"

namespace tessmark {

// The clipboard's device-independent bitmap of a 32-bit bitmap: 40-byte header, 24-bit bottom-up
// rows padded to 4 bytes, no colour table. Nothing when the size does not fit or memory runs out.
std::optional<std::vector<std::uint8_t>> BuildClipboardDib(const Bitmap32& bitmap);

enum class ClipboardDibStatus {
  Ok,
  NoPixels,             // a width of 0 or less, or a height of 0: a size the size check refuses
  UnsupportedBitCount,  // a readable header of neither 24 nor 32 bits per pixel
  Malformed,            // a header or rows that do not fit the block, or a layout not understood
  OutOfMemory,          // a readable bitmap whose picture the system cannot hold
};

struct ClipboardPicture {
  ClipboardDibStatus Status = ClipboardDibStatus::Malformed;
  PictureSize Size;              // width and |height| as the header states them, when Ok or NoPixels
  std::optional<Picture> Image;  // upright, present exactly when Status is Ok
};

// Reads a clipboard bitmap of 24 or 32 bits per pixel, either row order, with or without bit-field
// masks and a colour table to skip. The block's real length is checked against the header before
// any row is read, and the picture's size against `available` before its pixels are allocated.
ClipboardPicture ParseClipboardDib(std::span<const std::uint8_t> block,
                                   const AvailableMemory& available = SystemAvailableMemory);

}  // namespace tessmark

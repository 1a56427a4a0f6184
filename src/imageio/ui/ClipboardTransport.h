#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/UserMessage.h"
#include "imageio/Bitmap32.h"

namespace tessmark {

// Puts the bitmap on the clipboard as a device-independent bitmap: as "image/bmp" (the BMP file
// header, then the bitmap) for this program and others that read bitmaps, and as an ordinary image
// for every other picture program. False, with the clipboard left empty, when memory runs out.
bool PutClipboardBitmap(const Bitmap32& bitmap);

// The clipboard's picture as a device-independent bitmap for the clipboard parser, or neither
// bitmap nor message when it holds no picture. Offers are taken in this order: "image/bmp"; any
// other image, as 32-bit rows; one copied picture file, read by the picture loader (which
// finds the PNG plug-in in programDirectory and says why a file cannot be read).
struct ClipboardDibRead {
  std::optional<std::vector<std::uint8_t>> Dib;
  std::optional<UserMessage> Message;
};
ClipboardDibRead GetClipboardDib(const std::string& programDirectory);

}  // namespace tessmark

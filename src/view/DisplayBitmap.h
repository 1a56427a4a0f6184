#pragma once

#include <cstdint>
#include <optional>

#include "imageio/Bitmap32.h"
#include "picture/Picture.h"

namespace tessmark {

// The width of the display bitmap: the picture width rounded up to a multiple of 4.
constexpr std::int32_t DisplayWidth(std::int32_t pictureWidth) { return (pictureWidth + 3) / 4 * 4; }

// The picture as the main window shows it at a zoom of 1 ... 16: a Wr x H bitmap (Wr the rounded
// width) whose top-left (Wr / zoom) x (H / zoom) pixels sample the top-left picture pixel of
// each zoom x zoom block, the rest white. Columns past the picture's right edge wrap round when
// connectable and repeat the last column otherwise. Nothing when memory runs out.
std::optional<Bitmap32> BuildDisplayBitmap(const Picture& picture, std::int32_t zoom, bool connectable);

// The same into the caller's bitmap, whose memory is reused when its size already fits (every
// rebuild after a paint command or a zoom change): a fresh display-sized block costs as much in
// page faults as the build itself. False, and no bitmap left, when memory runs out.
bool RebuildDisplayBitmap(std::optional<Bitmap32>& display, const Picture& picture, std::int32_t zoom,
                          bool connectable, const AvailableMemory& available = SystemAvailableMemory);

// A rectangle of display pixels.
struct DisplayPart {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

// Only the part (what of it lies inside) of a display that already fits the picture, each pixel as
// the whole build writes it: the visible part of a picture being painted. False, with nothing
// done, when the display does not fit.
bool RefreshDisplayPart(Bitmap32& display, const Picture& picture, std::int32_t zoom, bool connectable,
                        const DisplayPart& part);

}  // namespace tessmark

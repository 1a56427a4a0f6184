#pragma once

#include <algorithm>
#include <cstdint>

#include "view/DisplayBitmap.h"

namespace tessmark {

// The window shows the picture reduced by a whole divisor: 1 is one picture pixel per screen pixel.
inline constexpr std::int32_t MinZoom = 1;
inline constexpr std::int32_t MaxZoom = 16;

constexpr std::int32_t ClampZoom(std::int32_t zoom) { return std::clamp(zoom, MinZoom, MaxZoom); }

// Where the window stands on the picture: its reduction and the offsets of the scroll bars.
struct ViewPosition {
  std::int32_t Zoom = MinZoom;
  std::int32_t ScrollX = 0;
  std::int32_t ScrollY = 0;
};

// Zoom steps: out enlarges the divisor, in reduces it, pixel goes back to one to one.
void ZoomOut(ViewPosition& view);
void ZoomIn(ViewPosition& view);
void ZoomPixel(ViewPosition& view);

// A new picture (New, an import) is shown one to one from its top left corner.
void ResetView(ViewPosition& view);

// The scroll bars run from 0 to the picture's own size whatever the zoom.
struct ScrollRange {
  std::int32_t Horizontal = 0;
  std::int32_t Vertical = 0;
};
ScrollRange ScrollRangeOf(std::int32_t pictureWidth, std::int32_t pictureHeight);

// The part of the display bitmap a view area of the given size shows at the view's offsets.
DisplayPart VisiblePart(const ViewPosition& view, std::int32_t areaWidth, std::int32_t areaHeight);

}  // namespace tessmark

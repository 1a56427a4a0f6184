#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "view/DisplayBitmap.h"

namespace tessmark {

// The window shows the picture reduced by a whole divisor: 1 is one picture pixel per screen pixel.
inline constexpr std::int32_t MinZoom = 1;
inline constexpr std::int32_t MaxZoom = 16;
// At zoom 1 the window may draw each display pixel as a square of 2, 4, 8 or 16 screen pixels.
inline constexpr std::int32_t MaxMagnification = 16;

constexpr std::int32_t ClampZoom(std::int32_t zoom) { return std::clamp(zoom, MinZoom, MaxZoom); }

// Where the window stands on the picture: its reduction, its magnification and the offsets of the
// scroll bars. The magnification is applied when the window draws, never to the display bitmap;
// the offsets stay in display pixels whatever it is.
struct ViewPosition {
  std::int32_t Zoom = MinZoom;
  std::int32_t Magnification = 1;
  std::int32_t ScrollX = 0;
  std::int32_t ScrollY = 0;
};

// Zoom steps: out halves a magnification, then enlarges the divisor; in reduces the divisor, then
// doubles the magnification; pixel goes back to one to one.
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

// A page of the scroll bars: what a view area of the given size shows, in display pixels.
ScrollRange ScrollPageOf(const ViewPosition& view, std::int32_t areaWidth, std::int32_t areaHeight);

// The part of the display bitmap a view area of the given size shows at the view's offsets.
DisplayPart VisiblePart(const ViewPosition& view, std::int32_t areaWidth, std::int32_t areaHeight);

// The part of the display bitmap that shows the picture at a zoom: not the white beyond the reduced
// view, nor the up to three columns that only round the width.
DisplayPart ShownPicture(std::int32_t pictureWidth, std::int32_t pictureHeight, std::int32_t zoom);

// What the window draws: the visible part of the shown picture.
DisplayPart DrawnPart(const ViewPosition& view, std::int32_t pictureWidth, std::int32_t pictureHeight,
                      std::int32_t areaWidth, std::int32_t areaHeight);

// The picture pixel drawn at a point of the view area, when the picture is drawn there.
std::optional<Point> PicturePixelAt(const ViewPosition& view, std::int32_t pictureWidth, std::int32_t pictureHeight,
                                    Point at);

// Zoom steps (positive: in, negative: out) that keep the picture under a point of the view area
// where it was, as far as the offsets, kept within their range, allow.
void ZoomAround(ViewPosition& view, std::int32_t steps, Point at, const ScrollRange& range);

// Wheel deltas gathered into whole steps of a unit, the rest carried to the next delta, so that the
// small deltas of a touchpad add up instead of being lost.
class WheelSteps {
 public:
  // The whole units in what has come so far, with the sign of the deltas.
  std::int32_t Take(std::int32_t delta, std::int32_t unit);

 private:
  std::int32_t pending_ = 0;
};

}  // namespace tessmark

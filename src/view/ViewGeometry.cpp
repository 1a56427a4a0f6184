#include "view/ViewGeometry.h"

namespace tessmark {
namespace {

std::int32_t AtMagnification(std::int32_t screenPixels, std::int32_t magnification) {
  return (std::max(screenPixels, 0) + magnification - 1) / magnification;
}

// The offset that puts display pixel `shown` at `at` screen pixels from the area's edge.
std::int32_t OffsetShowing(std::int32_t shown, std::int32_t at, std::int32_t magnification, std::int32_t range) {
  return std::clamp(shown - at / magnification, 0, std::max(range, 0));
}

}  // namespace

void ZoomOut(ViewPosition& view) {
  if (view.Magnification > 1) view.Magnification /= 2;
  else view.Zoom = ClampZoom(view.Zoom + 1);
}

void ZoomIn(ViewPosition& view) {
  if (view.Zoom > MinZoom) view.Zoom = ClampZoom(view.Zoom - 1);
  else view.Magnification = std::min(view.Magnification * 2, MaxMagnification);
}

void ZoomPixel(ViewPosition& view) {
  view.Zoom = MinZoom;
  view.Magnification = 1;
}

void ResetView(ViewPosition& view) { view = ViewPosition{}; }

ScrollRange ScrollRangeOf(std::int32_t pictureWidth, std::int32_t pictureHeight) {
  return {std::max(pictureWidth, 0), std::max(pictureHeight, 0)};
}

ScrollRange ScrollPageOf(const ViewPosition& view, std::int32_t areaWidth, std::int32_t areaHeight) {
  return {std::max(1, areaWidth / view.Magnification), std::max(1, areaHeight / view.Magnification)};
}

DisplayPart VisiblePart(const ViewPosition& view, std::int32_t areaWidth, std::int32_t areaHeight) {
  return {view.ScrollX, view.ScrollY, AtMagnification(areaWidth, view.Magnification),
          AtMagnification(areaHeight, view.Magnification)};
}

DisplayPart ShownPicture(std::int32_t pictureWidth, std::int32_t pictureHeight, std::int32_t zoom) {
  zoom = ClampZoom(zoom);
  const std::int32_t width = std::max(pictureWidth, 0), height = std::max(pictureHeight, 0);
  return {0, 0, std::min(DisplayWidth(width) / zoom, (width + zoom - 1) / zoom), height / zoom};
}

DisplayPart DrawnPart(const ViewPosition& view, std::int32_t pictureWidth, std::int32_t pictureHeight,
                      std::int32_t areaWidth, std::int32_t areaHeight) {
  const DisplayPart shown = ShownPicture(pictureWidth, pictureHeight, view.Zoom);
  const DisplayPart visible = VisiblePart(view, areaWidth, areaHeight);
  return {visible.Left, visible.Top, std::clamp(shown.Width - visible.Left, 0, visible.Width),
          std::clamp(shown.Height - visible.Top, 0, visible.Height)};
}

std::optional<Point> PicturePixelAt(const ViewPosition& view, std::int32_t pictureWidth, std::int32_t pictureHeight,
                                    Point at) {
  if (at.X < 0 || at.Y < 0) return std::nullopt;
  const DisplayPart shown = ShownPicture(pictureWidth, pictureHeight, view.Zoom);
  const std::int32_t column = view.ScrollX + at.X / view.Magnification;
  const std::int32_t row = view.ScrollY + at.Y / view.Magnification;
  if (column < 0 || row < 0 || column >= shown.Width || row >= shown.Height) return std::nullopt;
  return Point{column * view.Zoom, row * view.Zoom};
}

// The picture point kept is the top-left pixel of the display pixel under the point, so that the
// same pixel stays under the pointer through magnifications.
void ZoomAround(ViewPosition& view, std::int32_t steps, Point at, const ScrollRange& range) {
  at = {std::max(at.X, 0), std::max(at.Y, 0)};
  const std::int32_t x = (view.ScrollX + at.X / view.Magnification) * view.Zoom;
  const std::int32_t y = (view.ScrollY + at.Y / view.Magnification) * view.Zoom;
  for (; steps > 0; --steps) ZoomIn(view);
  for (; steps < 0; ++steps) ZoomOut(view);
  view.ScrollX = OffsetShowing(x / view.Zoom, at.X, view.Magnification, range.Horizontal);
  view.ScrollY = OffsetShowing(y / view.Zoom, at.Y, view.Magnification, range.Vertical);
}

std::int32_t WheelSteps::Take(std::int32_t delta, std::int32_t unit) {
  pending_ += delta;
  const std::int32_t steps = pending_ / unit;
  pending_ -= steps * unit;
  return steps;
}

}  // namespace tessmark

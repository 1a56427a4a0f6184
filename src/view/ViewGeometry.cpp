#include "view/ViewGeometry.h"

namespace tessmark {

void ZoomOut(ViewPosition& view) { view.Zoom = ClampZoom(view.Zoom + 1); }
void ZoomIn(ViewPosition& view) { view.Zoom = ClampZoom(view.Zoom - 1); }
void ZoomPixel(ViewPosition& view) { view.Zoom = MinZoom; }

void ResetView(ViewPosition& view) { view = ViewPosition{}; }

ScrollRange ScrollRangeOf(std::int32_t pictureWidth, std::int32_t pictureHeight) {
  return {std::max(pictureWidth, 0), std::max(pictureHeight, 0)};
}

DisplayPart VisiblePart(const ViewPosition& view, std::int32_t areaWidth, std::int32_t areaHeight) {
  return {view.ScrollX, view.ScrollY, std::max(areaWidth, 0), std::max(areaHeight, 0)};
}

}  // namespace tessmark

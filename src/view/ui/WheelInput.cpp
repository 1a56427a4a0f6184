#include "view/ui/WheelInput.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace tessmark {
namespace {

constexpr int NotchAngle = 120;

void ScrollBy(QScrollBar& bar, int displayPixels) {
  if (displayPixels != 0) bar.setValue(bar.value() - displayPixels);
}

}  // namespace

bool WheelInput::Apply(const QWheelEvent& event, ViewPosition& view, QScrollBar& horizontal, QScrollBar& vertical,
                       QPoint origin) {
  if (event.modifiers() & Qt::ControlModifier) {
    const QPoint angle = event.angleDelta();
    const std::int32_t steps = zoom_.Take(angle.y() != 0 ? angle.y() : angle.x(), NotchAngle);
    const QPoint at = event.position().toPoint() - origin;
    if (steps != 0) ZoomAround(view, steps, {at.x(), at.y()}, {horizontal.maximum(), vertical.maximum()});
    return steps != 0;
  }
  QPoint pixels = event.pixelDelta().isNull() ? event.angleDelta() * PixelsPerNotch / NotchAngle : event.pixelDelta();
  if ((event.modifiers() & Qt::ShiftModifier) && pixels.x() == 0) pixels = QPoint(pixels.y(), 0);
  ScrollBy(horizontal, across_.Take(pixels.x(), view.Magnification));
  ScrollBy(vertical, down_.Take(pixels.y(), view.Magnification));
  return false;
}

}  // namespace tessmark

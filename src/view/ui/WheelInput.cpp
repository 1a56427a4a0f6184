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

int WheelInput::Take(const QWheelEvent& event, QScrollBar& horizontal, QScrollBar& vertical,
                     std::int32_t magnification) {
  if (event.modifiers() & Qt::ControlModifier) {
    const QPoint angle = event.angleDelta();
    return zoom_.Take(angle.y() != 0 ? angle.y() : angle.x(), NotchAngle);
  }
  QPoint pixels = event.pixelDelta().isNull() ? event.angleDelta() * PixelsPerNotch / NotchAngle : event.pixelDelta();
  if ((event.modifiers() & Qt::ShiftModifier) && pixels.x() == 0) pixels = QPoint(pixels.y(), 0);
  ScrollBy(horizontal, across_.Take(pixels.x(), magnification));
  ScrollBy(vertical, down_.Take(pixels.y(), magnification));
  return 0;
}

}  // namespace tessmark

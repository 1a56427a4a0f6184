#pragma once

#include <cstdint>

#include "view/ViewGeometry.h"

class QScrollBar;
class QWheelEvent;

namespace tessmark {

// The wheel over a picture view: Ctrl+wheel asks for zoom steps, the wheel scrolls down and up,
// Shift+wheel (or a sideways wheel) across. Scrolling moves the view's own bars by display pixels,
// so a magnified view moves by fewer of them; a touchpad's pixel deltas scroll smoothly.
class WheelInput {
 public:
  // A notch of the wheel (an angle of 120) scrolls this many screen pixels.
  static constexpr int PixelsPerNotch = 60;

  // Scrolls the bars, or returns the zoom steps (positive: in) when Ctrl is held.
  int Take(const QWheelEvent& event, QScrollBar& horizontal, QScrollBar& vertical, std::int32_t magnification);

 private:
  WheelSteps zoom_;
  WheelSteps across_;
  WheelSteps down_;
};

}  // namespace tessmark

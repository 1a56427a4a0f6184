#pragma once

#include <QPoint>

#include "view/ViewGeometry.h"

class QScrollBar;
class QWheelEvent;

namespace tessmark {

// The wheel over a picture view: Ctrl+wheel zooms around the pointer, the wheel scrolls down and
// up, Shift+wheel (or a sideways wheel) across. Scrolling moves the view's own bars by display
// pixels, so a magnified view moves by fewer of them; a touchpad's pixel deltas scroll smoothly.
class WheelInput {
 public:
  // A notch of the wheel (an angle of 120) scrolls this many screen pixels.
  static constexpr int PixelsPerNotch = 60;

  // Scrolls the bars, or with Ctrl zooms the view around the pointer, whose place in the view area
  // is its place in the widget less `origin`; true when the view was zoomed (its bars not yet set).
  bool Apply(const QWheelEvent& event, ViewPosition& view, QScrollBar& horizontal, QScrollBar& vertical,
             QPoint origin);

 private:
  WheelSteps zoom_;
  WheelSteps across_;
  WheelSteps down_;
};

}  // namespace tessmark

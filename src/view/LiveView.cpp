#include "view/LiveView.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

namespace tessmark {
namespace {

// 12345 as "12,345".
std::string Grouped(std::int64_t n) {
  const std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && digits[i - 1] != '-' && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace

void LiveViewPacer::Shown(std::int64_t startMs, std::int64_t endMs) {
  next_ = std::max(startMs + IntervalMs, endMs + 10 * (endMs - startMs));
}

std::string RunningStatus(std::string_view command, std::int64_t shapes) {
  return std::string(command) + ": " + Grouped(shapes) + (shapes == 1 ? " shape" : " shapes") + " \u2014 Escape stops";
}

std::string PictureStatus(std::int32_t width, std::int32_t height, const ViewPosition& view) {
  const std::string zoom = view.Zoom > 1           ? "1/" + std::to_string(view.Zoom)
                           : view.Magnification > 1 ? std::to_string(view.Magnification) + "\u00d7"
                                                    : "1";
  return std::to_string(width) + " \u00d7 " + std::to_string(height) + ", zoom " + zoom;
}

std::string PixelReadout(Point at, const std::uint8_t* rgb) {
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
  return "x " + std::to_string(at.X) + ", y " + std::to_string(at.Y) + ": " + colour;
}

}  // namespace tessmark

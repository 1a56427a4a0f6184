#include "view/LiveView.h"

#include <algorithm>
#include <cstddef>

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

std::string PictureStatus(std::int32_t width, std::int32_t height, std::int32_t zoom) {
  return std::to_string(width) + " \u00d7 " + std::to_string(height) + ", zoom " +
         (zoom == 1 ? "1" : "1/" + std::to_string(zoom));
}

}  // namespace tessmark

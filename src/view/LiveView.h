#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "view/ViewGeometry.h"

namespace tessmark {

// When the picture of a running generator is shown again: about five times a second, and never
// sooner than ten times the last showing's duration after it ended, so that showing a huge
// picture costs the run at most a tenth of its time.
class LiveViewPacer {
 public:
  static constexpr std::int64_t IntervalMs = 200;

  explicit LiveViewPacer(std::int64_t runStartMs) : next_(runStartMs + IntervalMs) {}
  bool Due(std::int64_t nowMs) const { return nowMs >= next_; }
  void Shown(std::int64_t startMs, std::int64_t endMs);

 private:
  std::int64_t next_;
};

// The status line while a generator runs: "Circle: 12,345 shapes — Escape stops".
std::string RunningStatus(std::string_view command, std::int64_t shapes);

// The status line otherwise: "2048 × 2048, zoom 1/2" (zoom 1 is "zoom 1", magnified "zoom 8×").
std::string PictureStatus(std::int32_t width, std::int32_t height, const ViewPosition& view);

// The picture pixel under the pointer, added to the status line: "x 120, y 33: #3A7F20".
std::string PixelReadout(Point at, const std::uint8_t* rgb);

}  // namespace tessmark

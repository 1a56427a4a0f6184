#include "app/ui/PlacementSettings.h"

namespace tessmark {
namespace {

std::int32_t StoredEdge(Platform& desktop, const char* name, std::int32_t fallback) {
  const std::int32_t value = static_cast<std::int32_t>(desktop.ReadSetting(name).value_or(0));
  return value == 0 ? fallback : value;
}

}  // namespace

WindowPlacement StoredPlacement(Platform& desktop) {
  return {StoredEdge(desktop, "left", 1), StoredEdge(desktop, "top", 1), StoredEdge(desktop, "right", 512),
          StoredEdge(desktop, "bottom", 512)};
}

void StorePlacement(Platform& desktop, const WindowPlacement& placement) {
  desktop.WriteSetting("left", static_cast<std::uint32_t>(placement.Left));
  desktop.WriteSetting("top", static_cast<std::uint32_t>(placement.Top));
  desktop.WriteSetting("right", static_cast<std::uint32_t>(placement.Right));
  desktop.WriteSetting("bottom", static_cast<std::uint32_t>(placement.Bottom));
}

}  // namespace tessmark

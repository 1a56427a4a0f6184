#include "app/ui/PlacementSettings.h"

namespace tessmark {
namespace {

std::int32_t StoredEdge(Platform& desktop, const char* name) {
  return static_cast<std::int32_t>(desktop.ReadSetting(name).value_or(0));
}

}  // namespace

std::optional<WindowPlacement> StoredPlacement(Platform& desktop) {
  const WindowPlacement placement{StoredEdge(desktop, "left"), StoredEdge(desktop, "top"), StoredEdge(desktop, "right"),
                                  StoredEdge(desktop, "bottom")};
  if (placement == WindowPlacement{}) return std::nullopt;
  const auto orDefault = [](std::int32_t edge, std::int32_t fallback) { return edge == 0 ? fallback : edge; };
  return WindowPlacement{orDefault(placement.Left, 1), orDefault(placement.Top, 1), orDefault(placement.Right, 512),
                         orDefault(placement.Bottom, 512)};
}

void StorePlacement(Platform& desktop, const WindowPlacement& placement) {
  desktop.WriteSetting("left", static_cast<std::uint32_t>(placement.Left));
  desktop.WriteSetting("top", static_cast<std::uint32_t>(placement.Top));
  desktop.WriteSetting("right", static_cast<std::uint32_t>(placement.Right));
  desktop.WriteSetting("bottom", static_cast<std::uint32_t>(placement.Bottom));
}

}  // namespace tessmark

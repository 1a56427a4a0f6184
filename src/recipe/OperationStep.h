#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "palette/Palette.h"
#include "picture/Color.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

enum class OperationKind { Circle, Rect, Polygon, Vector, CircleMix, Tag, Fill, Noise };

// Everything one operation runs with. The records (with the mix range, connectable and the blend
// colour) and the palette carry over to the operations after it; the seed and the fill's values
// are its own.
struct OperationStep {
  OperationKind Kind = OperationKind::Circle;
  Settings Records;
  tessmark::Palette Palette;
  std::optional<std::uint32_t> Seed;
  Color FillColor;
  bool FillFull = true;                    // exact colour rather than mixed with a blend weight
  std::optional<std::uint8_t> FillWeight;  // a mixed fill's weight instead of the one the last shape left
};

// One key=value, checked and converted, stored into the step as its dialog would store it.
using Assignment = std::function<void(OperationStep&)>;

struct Operation {
  OperationKind Kind = OperationKind::Circle;
  std::string Name;  // as the operation list names it
  std::vector<Assignment> Assignments;
};

}  // namespace tessmark

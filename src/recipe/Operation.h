#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "palette/Palette.h"
#include "picture/Color.h"
#include "recipe/RecipeValues.h"
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

// NAME[:key=value,key=value...]; names and keys are not case-sensitive, values may be quoted.
Parsed<Operation> ParseOperation(std::string_view text);

// Makes the step this operation's: its kind, its own values afresh, then its keys.
void ApplyOperation(const Operation& operation, OperationStep& step);

// The step as one word that ParseOperation and ApplyOperation turn back into it, whatever came
// before: the name and every key the operation runs with.
std::string WriteOperation(const OperationStep& step);

std::string_view OperationName(OperationKind kind);

// The key names of each operation and those every operation takes, for the help text.
std::string OperationKeys(OperationKind kind);
std::string CommonKeys();

}  // namespace tessmark

#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandValues.h"
#include "dialogs/ParameterRecords.h"
#include "picture/Color.h"

namespace tessmark::cli {

enum class OperationKind { Circle, Rect, Polygon, Vector, CircleMix, Tag, Fill, Noise };

// One key=value of an operation, checked and converted, stored into the record as its dialog would.
using Assignment = std::function<void(Settings&)>;

struct Operation {
  OperationKind Kind = OperationKind::Circle;
  std::string Name;  // as the operation list names it
  std::vector<Assignment> Assignments;
  Color FillColor;        // fill only
  bool FillFull = true;   // fill only: exact colour rather than mixed with the blend weight
};

// NAME[:key=value,key=value...]; names and keys are not case-sensitive.
Parsed<Operation> ParseOperation(std::string_view text);

// Applies the operation's keys to the records, which keep them for the operations after it.
void ApplyAssignments(const Operation& operation, Settings& settings);

// The key names of each operation, for the help text.
std::string OperationKeys(OperationKind kind);

}  // namespace tessmark::cli

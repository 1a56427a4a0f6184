#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "paint/MapLayer.h"
#include "recipe/OperationStep.h"

namespace tessmark::cli {

// Colours that stand for the palette of every operation painting from one: --recolor, a --map.
struct ColorStandIn {
  std::string Option;  // "--recolor", "--map height"
  std::string File;
  const MapColors* Colors;
};

// What the walk through the operations found before anything is painted.
struct RunCheck {
  std::string Refusal;  // an operation whose palette a stand-in cannot stand for
  std::vector<std::string> Warnings;  // options that change nothing in this run
};

// Walks the operations from the start step (the settings and palette the options made) as the run
// will, without painting.
RunCheck CheckRun(const CommandLine& line, const OperationStep& start, std::span<const ColorStandIn> standIns);

}  // namespace tessmark::cli

#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "cli/Run.h"
#include "paint/MapLayer.h"
#include "paint/RandomValue.h"
#include "paint/WorkerPool.h"
#include "picture/Picture.h"
#include "recipe/Operation.h"

namespace tessmark::cli {

// What the operations of one run share, as the desktop program's window holds it for its commands.
struct PaintSession {
  OperationStep& Step;  // the settings each operation's keys change for it and those after it
  Picture& Target;
  const RunEnvironment& Environment;
  std::uint8_t CurrentBlendWeight = 255;  // what the last shape left, for a mixed fill
  RandomValue Random;
  const MapColors* Recolor = nullptr;  // the shapes' colours by the map rule instead of those drawn
  std::span<MapLayer> Maps = {};       // painted along with Target
  WorkerPool* Workers = nullptr;
  std::int64_t ShapesPainted = 0;  // by the last operation, which Ctrl+C may have stopped
};

// Stores the operation's keys into the step and runs it on the picture, seeded with its own seed=
// or else with seed. Returns why it could not run, or nothing.
std::string RunOperation(const Operation& operation, std::uint32_t seed, PaintSession& session);

}  // namespace tessmark::cli

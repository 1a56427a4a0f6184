#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/Operation.h"
#include "cli/Run.h"
#include "dialogs/ParameterRecords.h"
#include "paint/RandomValue.h"
#include "palette/Palette.h"
#include "picture/Picture.h"

namespace tessmark::cli {

// What the operations of one run share, as the desktop program's window holds it for its commands.
struct PaintSession {
  Settings& Records;
  const tessmark::Palette& Palette;
  Picture& Target;
  const RunEnvironment& Environment;
  std::optional<std::uint32_t> FixedSeed;  // --seed; otherwise every operation takes the clock
  std::uint8_t CurrentBlendWeight = 255;   // what the last shape left, for a mixed fill
  RandomValue Random;
};

// Stores the operation's keys into the records and runs it on the picture. Returns why it could
// not run, or nothing.
std::string RunOperation(const Operation& operation, PaintSession& session);

}  // namespace tessmark::cli

#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>

#include "cli/Progress.h"

namespace tessmark::cli {

// What a run takes from the process, passed in so that tests can run it in-process.
struct RunEnvironment {
  std::ostream& Out;
  std::ostream& Errors;
  bool ErrorsIsTerminal = false;            // the progress line goes only to a terminal
  std::function<std::uint32_t()> RandomSeed;  // from the system's random source: the seed without --seed
  std::function<bool()> StopRequested;      // Ctrl+C since the previous call
  SteadyClock Steady;                       // for the progress line
  std::string ProgramDirectory;             // where the PNG plug-in is
  std::function<void(const std::string&)> TemporaryNamed = {};  // the output's temporary, before it is made
};

// Runs `tessmark` with the words after the program name: 0 on success, 1 after a one-line message
// on Errors, 2 for a command line that could not be understood.
int RunCommandLine(std::span<const std::string> args, const RunEnvironment& environment);

}  // namespace tessmark::cli

#pragma once

#include <cstdint>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Run.h"
#include "settings/Directories.h"

namespace tessmark::test {

// Runs the command line in-process with a fixed random seed and the PNG plug-in of the build; StopAtPoll > 0 stands for Ctrl+C pressed
// at that poll, OutOfMemoryAtPoll > 0 for an allocation failing there.
struct CommandRun {
  std::ostringstream Out;
  std::ostringstream Errors;
  int Polls = 0;
  int StopAtPoll = 0;
  int OutOfMemoryAtPoll = 0;

  int operator()(const std::vector<std::string>& args) {
    const cli::RunEnvironment environment{.Out = Out,
                                          .Errors = Errors,
                                          .ErrorsIsTerminal = false,
                                          .RandomSeed = [] { return std::uint32_t{1234567}; },
                                          .StopRequested = [this] {
                                            return ++Polls == OutOfMemoryAtPoll ? throw std::bad_alloc() : Polls == StopAtPoll;
                                          },
                                          .Steady = std::chrono::steady_clock::now,
                                          .ProgramDirectory = ProgramDirectory()};
    return cli::RunCommandLine(args, environment);
  }
};

}  // namespace tessmark::test

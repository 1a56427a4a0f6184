#include <unistd.h>

#include <chrono>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "cli/Interrupt.h"
#include "cli/Run.h"
#include "settings/Directories.h"

int main(int argc, char** argv) {
  using namespace tessmark::cli;
  CatchInterrupts();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const RunEnvironment environment{
      .Out = std::cout,
      .Errors = std::cerr,
      .ErrorsIsTerminal = ::isatty(STDERR_FILENO) == 1,
      .RandomSeed = [] { return static_cast<std::uint32_t>(std::random_device()()); },
      .StopRequested = TakeInterrupt,
      .Steady = std::chrono::steady_clock::now,
      .ProgramDirectory = tessmark::ProgramDirectory(),
      .TemporaryNamed = WritingTemporary};
  return RunCommandLine(args, environment);
}

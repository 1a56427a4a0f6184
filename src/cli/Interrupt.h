#pragma once

#include <string>

namespace tessmark::cli {

// Ctrl+C ends the running operation after its current shape instead of the process, so what has
// been painted is still written.
void CatchInterrupts();

// Whether Ctrl+C was pressed since the previous call.
bool TakeInterrupt();

// Notes the temporary file the output is about to be written to. From then on a Ctrl+C that is not
// the run's first removes that file and ends the program at once with status 130.
void WritingTemporary(const std::string& path);

}  // namespace tessmark::cli

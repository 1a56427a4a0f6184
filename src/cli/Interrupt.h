#pragma once

namespace tessmark::cli {

// Ctrl+C ends the running operation after its current shape instead of the process, so what has
// been painted is still written.
void CatchInterrupts();

// Whether Ctrl+C was pressed since the previous call.
bool TakeInterrupt();

}  // namespace tessmark::cli

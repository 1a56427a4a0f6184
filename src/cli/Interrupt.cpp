#include "cli/Interrupt.h"

#include <signal.h>

#include <csignal>

namespace tessmark::cli {
namespace {

// A signal handler can only reach the program through a flag of static storage.
volatile std::sig_atomic_t interrupted = 0;

extern "C" void NoteInterrupt(int) { interrupted = 1; }

}  // namespace

void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = NoteInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
}

bool TakeInterrupt() {
  const bool was = interrupted != 0;
  interrupted = 0;
  return was;
}

}  // namespace tessmark::cli

#include "cli/Interrupt.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace tessmark::cli {
namespace {

// A signal handler can only reach the program through data of static storage, and may only call
// async-signal-safe functions: the temporary file's path is therefore formatted beforehand.
volatile std::sig_atomic_t interrupted = 0;
volatile std::sig_atomic_t presses = 0;  // counted up to 2
volatile std::sig_atomic_t writing = 0;
volatile std::sig_atomic_t temporaryReady = 0;
char temporary[PATH_MAX] = {};

constexpr int InterruptedStatus = 128 + SIGINT;

extern "C" void NoteInterrupt(int) {
  interrupted = 1;
  if (presses < 2) presses = presses + 1;
  if (writing == 0 || presses < 2) return;
  if (temporaryReady != 0) ::unlink(temporary);
  ::_exit(InterruptedStatus);
}

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

// The path is noted before its file is created: a Ctrl+C while it is copied ends the program
// before there is anything to remove.
void WritingTemporary(const std::string& path) {
  writing = 1;
  temporaryReady = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  if (path.size() >= sizeof temporary) return;  // too long to be created at all
  std::memcpy(temporary, path.c_str(), path.size() + 1);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  temporaryReady = 1;
}

}  // namespace tessmark::cli

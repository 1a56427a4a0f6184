#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace tessmark::cli {

using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

// The count of shapes painted by the running operation, shown on one rewritten terminal line once
// the operation has run for a second, so that short runs stay silent. An endless run (count 0)
// also says how to end it.
class Progress {
 public:
  Progress(std::ostream& out, bool enabled, SteadyClock clock, std::string operation, bool endless = false);
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  ~Progress();

  void Shape();

 private:
  void Show();

  std::ostream& out_;
  bool enabled_;
  SteadyClock clock_;
  std::string operation_;
  bool endless_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point shown_;
  std::int64_t shapes_ = 0;
  bool showing_ = false;
};

}  // namespace tessmark::cli

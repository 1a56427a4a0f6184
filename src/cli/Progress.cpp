#include "cli/Progress.h"

namespace tessmark::cli {
namespace {

constexpr auto Delay = std::chrono::seconds(1);
constexpr auto Interval = std::chrono::milliseconds(100);

}  // namespace

Progress::Progress(std::ostream& out, bool enabled, SteadyClock clock, std::string operation, bool endless)
    : out_(out), enabled_(enabled), clock_(std::move(clock)), operation_(std::move(operation)), endless_(endless) {
  if (enabled_) start_ = clock_();
}

Progress::~Progress() {
  if (!showing_) return;
  Show();
  out_ << '\n' << std::flush;
}

void Progress::Shape() {
  ++shapes_;
  if (!enabled_) return;
  const auto now = clock_();
  if (now - start_ < Delay || (showing_ && now - shown_ < Interval)) return;
  shown_ = now;
  showing_ = true;
  Show();
}

void Progress::Show() {
  out_ << '\r' << operation_ << ": " << shapes_ << " shapes";
  if (endless_) out_ << " (Ctrl+C ends it and writes the picture)";
  out_ << std::flush;
}

}  // namespace tessmark::cli

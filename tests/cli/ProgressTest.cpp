#include "cli/Progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tessmark::cli {
namespace {

using namespace std::chrono_literals;

struct FakeClock {
  std::chrono::steady_clock::time_point now{};
  SteadyClock Get() {
    return [this] { return now; };
  }
};

TEST(Progress, StaysSilentForTheFirstSecond) {
  std::ostringstream out;
  FakeClock clock;
  {
    Progress progress(out, true, clock.Get(), "circle");
    for (int i = 0; i < 50; ++i) progress.Shape();
    clock.now += 999ms;
    progress.Shape();
  }
  EXPECT_EQ(out.str(), "");
}

TEST(Progress, RewritesOneLineAtMostTenTimesASecondAndEndsIt) {
  std::ostringstream out;
  FakeClock clock;
  {
    Progress progress(out, true, clock.Get(), "rect");
    clock.now += 1s;
    progress.Shape();
    clock.now += 50ms;
    progress.Shape();
    clock.now += 50ms;
    progress.Shape();
  }
  EXPECT_EQ(out.str(), "\rrect: 1 shapes\rrect: 3 shapes\rrect: 3 shapes\n");
}

TEST(Progress, AnEndlessRunSaysHowToEndIt) {
  std::ostringstream out;
  FakeClock clock;
  {
    Progress progress(out, true, clock.Get(), "vector", true);
    clock.now += 1s;
    progress.Shape();
  }
  EXPECT_EQ(out.str(), "\rvector: 1 shapes (Ctrl+C ends it and writes the picture)"
                       "\rvector: 1 shapes (Ctrl+C ends it and writes the picture)\n");
}

TEST(Progress, ShowsNothingWhenNotATerminal) {
  std::ostringstream out;
  FakeClock clock;
  {
    Progress progress(out, false, clock.Get(), "rect");
    clock.now += 5s;
    progress.Shape();
  }
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace tessmark::cli

#include "app/ui/StartOptions.h"

#include <gtest/gtest.h>

namespace tessmark {
namespace {

// --help, --version and unknown options are checked on the program itself, without a display
// (tests/man); here what opens the window.
TEST(StartOptions, QtDisplayOptionsOpenTheWindowAndAStrayArgumentIsRefused) {
  EXPECT_TRUE(ReadStartOptions({"vornade"}).OpenWindow);
  EXPECT_FALSE(ReadStartOptions({"vornade"}).Platform);
  const StartRequest offscreen = ReadStartOptions({"vornade", "-platform", "offscreen", "-style", "Fusion", "--display", ":7"});
  EXPECT_TRUE(offscreen.OpenWindow);
  EXPECT_EQ(offscreen.Platform, "offscreen");
  EXPECT_EQ(offscreen.Display, ":7");
  const StartRequest stray = ReadStartOptions({"vornade", "picture.png"});
  EXPECT_FALSE(stray.OpenWindow);
  EXPECT_EQ(stray.Status, 2);
  EXPECT_EQ(stray.Error, "vornade: unexpected argument 'picture.png' (see vornade --help)\n");
}

}  // namespace
}  // namespace tessmark

#include "app/ui/StartOptions.h"

#include <gtest/gtest.h>

#include "app/Version.h"

namespace tessmark {
namespace {

TEST(StartOptions, HelpAndVersionEndTheProgramAndAnUnknownWordIsOneErrorLine) {
  const StartRequest help = ReadStartOptions({"vornade", "--help"});
  EXPECT_FALSE(help.OpenWindow);
  EXPECT_EQ(help.Status, 0);
  for (const char* word : {"Usage: vornade [options]", "--help", "--version", "tessmark(1)"}) {
    EXPECT_NE(help.Output.find(word), std::string::npos) << word;
  }
  const StartRequest version = ReadStartOptions({"vornade", "--version"});
  EXPECT_EQ(version.Output, std::string("vornade ") + ProgramVersion + "\n");
  EXPECT_EQ(version.Status, 0);

  for (const QStringList& words : {QStringList{"vornade", "--bogus"}, QStringList{"vornade", "-platform"},
                                   QStringList{"vornade", "picture.png"}}) {
    const StartRequest refused = ReadStartOptions(words);
    EXPECT_FALSE(refused.OpenWindow);
    EXPECT_EQ(refused.Status, 2);
    EXPECT_EQ(refused.Error.rfind("vornade: ", 0), 0u) << refused.Error;
    EXPECT_EQ(std::count(refused.Error.begin(), refused.Error.end(), '\n'), 1) << refused.Error;
  }
}

TEST(StartOptions, QtDisplayOptionsOpenTheWindowWhereTheySay) {
  EXPECT_TRUE(ReadStartOptions({"vornade"}).OpenWindow);
  EXPECT_FALSE(ReadStartOptions({"vornade"}).DisplayGiven);
  const StartRequest offscreen = ReadStartOptions({"vornade", "-platform", "offscreen", "-style", "Fusion"});
  EXPECT_TRUE(offscreen.OpenWindow);
  EXPECT_TRUE(offscreen.DisplayGiven);
  EXPECT_TRUE(offscreen.Error.empty());
}

}  // namespace
}  // namespace tessmark

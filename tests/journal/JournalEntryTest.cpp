#include "journal/JournalEntry.h"

#include <gtest/gtest.h>

namespace tessmark {
namespace {

constexpr char Header[] = "# Recipe of a picture\n# Picture: 40x30\n";

std::string EntryText(const std::string& body) { return Header + body; }

TEST(JournalEntry, DamagedOrHostileRecipesAreRefusedWithTheirReason) {
  const struct {
    std::string Text;
    std::string Reason;
  } cases[] = {
      {EntryText("--size 40x30\ncircle:count=5,seed=1\n"), "cut off"},
      {EntryText("--size 40x30\ncircle:count=5,seed=1\n# Steps: 1"), "cut off"},
      {EntryText("--size 40x30\ncircle:count=5,seed=1\n# Steps: 2\n"), "not those it counts"},
      {EntryText("--size 40x30\ncircle:count=0,seed=1\n# Steps: 1\n"), "no count of shapes"},
      {EntryText("--size 40x30\nsquare:count=3\n# Steps: 1\n"), "unknown operation"},
      {EntryText("--size 41x30\n# Steps: 0\n"), "does not match"},
      {EntryText("--output x\n# Steps: 0\n"), "not --size or --input"},
      {EntryText("--input \"unterminated\n# Steps: 0\n"), "quote"},
      {"# Picture: 99999x99999\n--size 99999x99999\n# Steps: 0\n", "too large"},
      {"--size 40x30\n# Steps: 0\n", "no picture size"},
      {EntryText("--size 40x30\n# Steps: 99999999999999999999\n"), "cut off"},
  };
  for (const auto& c : cases) {
    const Parsed<JournalEntry> entry = ParseEntryRecipe(c.Text, "/starts");
    ASSERT_FALSE(entry) << c.Text;
    EXPECT_NE(entry.Error.find(c.Reason), std::string::npos) << entry.Error;
  }
}

TEST(JournalEntry, JournalStartPicturesAreLookedForInTheJournalWhateverFolderTheEntryNames) {
  for (const auto& [named, found] : {std::pair{"\"/elsewhere/starts/ab cd.png\"", "/journal/starts/ab cd.png"},
                                     std::pair{"/pictures/imported.png", "/pictures/imported.png"}}) {
    const Parsed<JournalEntry> entry = ParseEntryRecipe(EntryText(std::string("--input ") + named + "\n# Steps: 0\n"), "/journal/starts");
    ASSERT_TRUE(entry) << entry.Error;
    EXPECT_EQ(entry.Value->StartPicture, found);
  }
}

TEST(JournalEntry, ProgressRecordsThatDoNotFitLeaveTheEntryAsItWas) {
  Parsed<JournalEntry> entry = ParseEntryRecipe(EntryText("--size 40x30\ncircle:count=5,seed=1\n# Steps: 1\n"), "/s");
  ASSERT_TRUE(entry) << entry.Error;
  for (const char* progress : {"after 0\nrect:count=3,seed=2\n", "after 1\nrect:count=3,seed=2", "after 1\nfill:color=FF0000\n",
                               "after 1\nrect:count=3\n", "after 1\nrect:count=0,seed=2\n", "after x\nrect:count=3,seed=2\n",
                               "after 1\nrect:count=3,seed=2\nrect:count=3,seed=2\n", ""}) {
    EXPECT_FALSE(ApplyProgress(progress, *entry.Value).empty()) << progress;
    EXPECT_EQ(entry.Value->Steps.size(), 1u);
  }
  EXPECT_EQ(ApplyProgress("after 1\nrect:count=3,seed=2\n", *entry.Value), "");
  EXPECT_EQ(entry.Value->Shapes, 8);
  EXPECT_TRUE(entry.Value->CutOff);
}

}  // namespace
}  // namespace tessmark

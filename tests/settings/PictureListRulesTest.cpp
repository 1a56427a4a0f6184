#include "settings/PictureListRules.h"

#include <gtest/gtest.h>

namespace tessmark {
namespace {

TEST(PictureList, AddsEachPathOnceIgnoringCase) {
  PictureFiles list;
  AddPicturePaths(list, {"/p/Tile.png", "/p/tile.PNG", "/p/Tile.png"});
  EXPECT_EQ(list, PictureFiles{"/p/Tile.png"});
}

TEST(PictureList, APathThatBeginsAListedEntryCountsAsListed) {
  PictureFiles list{"/p/ab.png"};
  AddPicturePaths(list, {"/p/ab.pn", "/p/a.png"});
  EXPECT_EQ(list, (PictureFiles{"/p/a.png", "/p/ab.png"}));
}

TEST(PictureList, KeepsAlphabeticalOrderWithoutRegardToCase) {
  PictureFiles list;
  AddPicturePaths(list, {"/p/d.png", "/p/B.png", "/p/e.png", "/p/a.png", "/p/C.png"});
  EXPECT_EQ(list, (PictureFiles{"/p/a.png", "/p/B.png", "/p/C.png", "/p/d.png", "/p/e.png"}));
  EXPECT_EQ(SortedPictureList({"/q/z", "/q/Y", "/q/x"}), (PictureFiles{"/q/x", "/q/Y", "/q/z"}));
}

TEST(PictureList, CaseFoldingLeavesBytesAboveAsciiAlone) {
  EXPECT_TRUE(LessIgnoringCase("a", "\xc3\xa9"));
  EXPECT_FALSE(LessIgnoringCase("\xc3\xa9", "A"));
  EXPECT_FALSE(LessIgnoringCase("abc", "ABC"));
  EXPECT_TRUE(LessIgnoringCase("ab", "ABC"));
}

}  // namespace
}  // namespace tessmark

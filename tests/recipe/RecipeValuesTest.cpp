#include "recipe/RecipeValues.h"

#include <gtest/gtest.h>

namespace tessmark {
namespace {

TEST(ParseNumber, ReadsSignedDecimalsAsTheDialogsDo) {
  EXPECT_EQ(ParseNumber("42").Value, 42);
  EXPECT_EQ(ParseNumber("-7").Value, -7);
  EXPECT_EQ(ParseNumber("+7").Value, 7);
  EXPECT_EQ(ParseNumber("99999999999").Value, 2147483647);
  EXPECT_EQ(ParseNumber("-99999999999").Value, -2147483647 - 1);
}

TEST(ParseNumber, RefusesWhatIsNotAWholeNumber) {
  for (const char* bad : {"", "-", "1.5", "12abc", " 3", "0x10", "abc"}) {
    const auto parsed = ParseNumber(bad);
    EXPECT_FALSE(parsed) << bad;
    EXPECT_EQ(parsed.Error, Quoted(bad) + " is not a whole number");
  }
}

TEST(ParseHexColor, ReadsRedFirstWithOrWithoutHash) {
  EXPECT_EQ(ParseHexColor("FF8000").Value, (Color{255, 128, 0}));
  EXPECT_EQ(ParseHexColor("#0a0B0c").Value, (Color{10, 11, 12}));
  for (const char* bad : {"", "FFF", "FF80001", "GG0000", "#", "12 456"}) EXPECT_FALSE(ParseHexColor(bad)) << bad;
}

TEST(ParseSeed, TakesTheWhole32BitRangeOnly) {
  EXPECT_EQ(ParseSeed("0").Value, 0u);
  EXPECT_EQ(ParseSeed("4294967295").Value, 4294967295u);
  for (const char* bad : {"4294967296", "-1", "", "12x", "+5"}) EXPECT_FALSE(ParseSeed(bad)) << bad;
}

TEST(ParseSize, NeedsTwoNumbersOfAtLeastFour) {
  const auto size = ParseSize("640x480");
  ASSERT_TRUE(size);
  EXPECT_EQ(size.Value->Width, 640);
  EXPECT_EQ(size.Value->Height, 480);
  EXPECT_EQ(ParseSize("4X4").Value->Height, 4);
  EXPECT_EQ(ParseSize("3x100").Error, "The picture should be have a minimum size 4,4");
  EXPECT_EQ(ParseSize("100x-4").Error, "The picture should be have a minimum size 4,4");
  for (const char* bad : {"640", "x480", "640x", "640x480x2", "a x b"}) EXPECT_FALSE(ParseSize(bad)) << bad;
}

TEST(ParseMixage, KeepsTheLowByteAsTheMixageDialogDoes) {
  const auto mix = ParseMixage("30-300");
  ASSERT_TRUE(mix);
  EXPECT_EQ(mix.Value->From, 30);
  EXPECT_EQ(mix.Value->To, 44);
  for (const char* bad : {"50", "-5-10", "a-b", "10-", "10-20-30"}) EXPECT_FALSE(ParseMixage(bad)) << bad;
}

}  // namespace
}  // namespace tessmark

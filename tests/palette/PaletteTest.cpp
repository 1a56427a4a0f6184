#include "palette/Palette.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace tessmark {
namespace {

Palette PaletteOf(std::initializer_list<PaletteColor> colors) {
  Palette palette;
  for (const PaletteColor& c : colors) AddColor(palette, c);
  return palette;
}

// Maps repaint a shape by the position and first draw kept here, so both must be those drawn.
TEST(DrawPaintColor, TakesThreeDrawsForARandomColourAndOneForAPaletteEntryAndKeepsThem) {
  Palette palette = PaletteOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  RandomValue random(5), expected(5);
  // AllColor set: the list is ignored.
  const int r = expected.Next(), g = expected.Next(), b = expected.Next();
  const DrawnColor drawn = DrawPaintColor(palette, random);
  EXPECT_EQ(drawn.Rgb, (PaletteColor{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}));
  EXPECT_EQ(drawn.FirstDraw, r);
  EXPECT_EQ(drawn.Position, -1);
  palette.AllColor = false;
  const int draw = expected.Next();
  const DrawnColor entry = DrawPaintColor(palette, random);
  EXPECT_EQ(entry.Rgb, palette.Colors[static_cast<std::size_t>(draw % 3)]);
  EXPECT_EQ(entry.Position, draw % 3);
  EXPECT_EQ(random.Next(), expected.Next());
}

TEST(DrawPaintColor, AnEmptyPaletteWithoutAllColorStillGivesRandomColours) {
  Palette palette;
  palette.AllColor = false;
  RandomValue random(9), expected(9);
  const int r = expected.Next(), g = expected.Next(), b = expected.Next();
  EXPECT_EQ(DrawPaintColor(palette, random).Rgb, (PaletteColor{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}));
}

TEST(AddColor, AppendsDuplicatesButNothingPastTheCapacity) {
  Palette palette = PaletteOf({{1, 1, 1}, {1, 1, 1}});
  EXPECT_EQ(palette.Count, 2);
  for (int i = 0; i < 300; ++i) AddColor(palette, {9, 9, 9});
  EXPECT_EQ(palette.Count, PaletteCapacity);
}

TEST(RemoveColor, KeepsTheOrderOfTheRestAndRefusesMissingEntries) {
  Palette palette = PaletteOf({{1, 0, 0}, {2, 0, 0}, {3, 0, 0}});
  EXPECT_FALSE(RemoveColor(palette, 3));
  EXPECT_FALSE(RemoveColor(palette, -1));
  EXPECT_TRUE(RemoveColor(palette, 0));
  ASSERT_EQ(palette.Count, 2);
  EXPECT_EQ(palette.Colors[0], (PaletteColor{2, 0, 0}));
  EXPECT_EQ(palette.Colors[1], (PaletteColor{3, 0, 0}));
  EXPECT_TRUE(RemoveColor(palette, 1));
  EXPECT_EQ(palette.Count, 1);
  EXPECT_EQ(palette.Colors[0], (PaletteColor{2, 0, 0}));
}

TEST(RemoveColor, WorksOnTheLastEntryOfAFullPalette) {
  Palette palette;
  for (int i = 0; i < PaletteCapacity; ++i) AddColor(palette, {std::uint8_t(i), 0, 0});
  EXPECT_TRUE(RemoveColor(palette, PaletteCapacity - 1));
  EXPECT_EQ(palette.Count, PaletteCapacity - 1);
  EXPECT_EQ(palette.Colors[254], (PaletteColor{254, 0, 0}));
}

TEST(ReplaceColor, RefusesAnyColourAlreadyPresentIncludingTheEntrysOwn) {
  Palette palette = PaletteOf({{1, 0, 0}, {2, 0, 0}});
  EXPECT_FALSE(ReplaceColor(palette, 0, {1, 0, 0}));
  EXPECT_FALSE(ReplaceColor(palette, 0, {2, 0, 0}));
  EXPECT_TRUE(ReplaceColor(palette, 0, {5, 0, 0}));
  EXPECT_EQ(palette.Colors[0], (PaletteColor{5, 0, 0}));
  EXPECT_FALSE(ReplaceColor(palette, 2, {7, 0, 0}));  // no such entry
  EXPECT_EQ(palette.Count, 2);
}

TEST(ClearColors, EmptiesTheListButKeepsAllColor) {
  Palette palette = PaletteOf({{1, 0, 0}});
  palette.AllColor = false;
  ClearColors(palette);
  EXPECT_EQ(palette.Count, 0);
  EXPECT_FALSE(palette.AllColor);
}

TEST(AddRandomColors, AppendsDistinctColoursFromTheSeed) {
  Palette palette;
  AddRandomColors(palette, 40, 1234);
  ASSERT_EQ(palette.Count, 40);
  std::set<std::tuple<int, int, int>> distinct;
  for (int i = 0; i < 40; ++i) distinct.insert({palette.Colors[i].Red, palette.Colors[i].Green, palette.Colors[i].Blue});
  EXPECT_EQ(distinct.size(), 40u);
  RandomValue expected(1234);
  const int r = expected.Next(), g = expected.Next(), b = expected.Next();
  EXPECT_EQ(palette.Colors[0], (PaletteColor{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}));
}

TEST(AddRandomColors, SkipsADrawnColourThatIsAlreadyThere) {
  RandomValue first(77);
  const int r = first.Next(), g = first.Next(), b = first.Next();
  const PaletteColor taken{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
  Palette palette = PaletteOf({taken});
  AddRandomColors(palette, 1, 77);
  ASSERT_EQ(palette.Count, 2);
  const int r2 = first.Next(), g2 = first.Next(), b2 = first.Next();
  EXPECT_EQ(palette.Colors[1], (PaletteColor{std::uint8_t(r2), std::uint8_t(g2), std::uint8_t(b2)}));
}

TEST(AddRandomColors, StopsWhenThePaletteIsFullAndAddsNothingForNoCount) {
  Palette palette;
  AddRandomColors(palette, 250, 3);
  ASSERT_EQ(palette.Count, 250);
  AddRandomColors(palette, 10, 4);
  EXPECT_EQ(palette.Count, PaletteCapacity);
  Palette empty;
  AddRandomColors(empty, 0, 3);
  AddRandomColors(empty, -5, 3);
  EXPECT_EQ(empty.Count, 0);
}

}  // namespace
}  // namespace tessmark

#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

namespace tessmark {
namespace {

ViewPosition At(std::int32_t zoom, std::int32_t magnification, std::int32_t x = 0, std::int32_t y = 0) {
  return {zoom, magnification, x, y};
}

TEST(ViewGeometry, ZoomInReducesTheDivisorThenMagnifiesUpTo16AndOutUndoesItInTurn) {
  ViewPosition view = At(2, 1);
  std::vector<std::int32_t> scales;  // negative: a reduction
  for (void (*step)(ViewPosition&) : {ZoomIn, ZoomIn, ZoomIn, ZoomIn, ZoomIn, ZoomIn, ZoomOut, ZoomOut}) {
    step(view);
    scales.push_back(view.Zoom > 1 ? -view.Zoom : view.Magnification);
  }
  EXPECT_EQ(scales, (std::vector<std::int32_t>{1, 2, 4, 8, 16, 16, 8, 4}));
  ZoomPixel(view);
  EXPECT_EQ(view.Magnification, 1);
}

TEST(ViewGeometry, AMagnifiedViewPagesAndRefreshesFewerDisplayPixels) {
  const ScrollRange page = ScrollPageOf(At(1, 4), 400, 302);
  EXPECT_EQ(page.Horizontal, 100);
  EXPECT_EQ(page.Vertical, 75);
  EXPECT_EQ(ScrollPageOf(At(1, 16), 8, 0).Horizontal, 1);
  EXPECT_EQ(VisiblePart(At(1, 16, 30, 40), 1600, 1201).Height, 76);  // a part of a pixel still shows
}

TEST(ViewGeometry, OnlyTheReducedPictureIsDrawnNotTheRoundingColumnsNorTheWhite) {
  struct Case {
    std::int32_t Zoom, Width, Height;
  };
  for (const Case c : {Case{1, 10, 5}, Case{2, 5, 2}, Case{3, 4, 1}, Case{7, 1, 0}}) {
    const DisplayPart shown = ShownPicture(10, 5, c.Zoom);
    EXPECT_EQ(shown.Width, c.Width) << "zoom " << c.Zoom;
    EXPECT_EQ(shown.Height, c.Height) << "zoom " << c.Zoom;
  }
  const DisplayPart drawn = DrawnPart(At(2, 1, 3, 1), 10, 5, 100, 100);
  EXPECT_EQ(drawn.Left, 3);
  EXPECT_EQ(drawn.Width, 2);
  EXPECT_EQ(drawn.Height, 1);
  EXPECT_EQ(DrawnPart(At(1, 1, 11, 0), 10, 5, 100, 100).Width, 0);
}

TEST(ViewGeometry, ThePixelUnderAPointIsThePictureSampleDrawnThere) {
  EXPECT_EQ(PicturePixelAt(At(1, 8, 10, 20), 100, 100, {17, 9}), (Point{12, 21}));
  EXPECT_EQ(PicturePixelAt(At(2, 1, 3, 0), 10, 5, {1, 1}), (Point{8, 2}));
  EXPECT_EQ(PicturePixelAt(At(2, 1, 3, 0), 10, 5, {2, 0}), std::nullopt);  // a rounding column
  EXPECT_EQ(PicturePixelAt(At(2, 1, 0, 0), 10, 5, {0, 2}), std::nullopt);  // the white below
}

TEST(ViewGeometry, ZoomingAroundAPointKeepsThePixelUnderItWithinTheRange) {
  const ScrollRange range = ScrollRangeOf(3000, 2400);
  for (const Point at : {Point{123, 45}, Point{0, 0}, Point{450, 400}}) {
    ViewPosition view = At(1, 1, 1000, 900);
    const std::optional<Point> pixel = PicturePixelAt(view, 3000, 2400, at);
    for (const int steps : {1, 1, 3, -2, -2}) {
      ZoomAround(view, steps, at, range);
      EXPECT_EQ(PicturePixelAt(view, 3000, 2400, at), pixel) << at.X << "," << at.Y << " x" << view.Magnification;
    }
    ZoomAround(view, -2, at, range);
    ASSERT_EQ(view.Zoom, 3);
    const std::optional<Point> reduced = PicturePixelAt(view, 3000, 2400, at);
    ASSERT_TRUE(reduced);
    EXPECT_LT(pixel->X - reduced->X, 3);  // the block of three that holds the pixel
    EXPECT_GE(pixel->X - reduced->X, 0);
  }
  ViewPosition corner = At(1, 1, 0, 790);
  ZoomAround(corner, -1, {10, 10}, range);
  EXPECT_EQ(corner.ScrollX, 0);
  EXPECT_EQ(corner.ScrollY, 390);
  ZoomAround(corner, 5, {0, 0}, {100, 100});
  EXPECT_EQ(corner.ScrollY, 100);
}

}  // namespace
}  // namespace tessmark

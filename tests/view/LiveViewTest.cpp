#include "view/LiveView.h"

#include <gtest/gtest.h>

namespace tessmark {
namespace {

TEST(LiveView, StatusLinesCountShapesWithGroupsAndGiveSizeAndZoom) {
  EXPECT_EQ(RunningStatus("Circle", 12345), "Circle: 12,345 shapes \u2014 Escape stops");
  EXPECT_EQ(RunningStatus("Circle Mix", 1), "Circle Mix: 1 shape \u2014 Escape stops");
  EXPECT_EQ(RunningStatus("Tag", 999), "Tag: 999 shapes \u2014 Escape stops");
  EXPECT_EQ(RunningStatus("Tag", 1234567), "Tag: 1,234,567 shapes \u2014 Escape stops");
  EXPECT_EQ(PictureStatus(2048, 1024, {2, 1}), "2048 \u00d7 1024, zoom 1/2");
  EXPECT_EQ(PictureStatus(4, 4, {}), "4 \u00d7 4, zoom 1");
  EXPECT_EQ(PictureStatus(4, 4, {1, 8}), "4 \u00d7 4, zoom 8\u00d7");
  const std::uint8_t rgb[] = {0x3A, 0x7F, 0x20};
  EXPECT_EQ(PixelReadout({120, 33}, rgb), "x 120, y 33: #3A7F20");
}

TEST(LiveView, ShowsFiveTimesASecondButTenTimesTheLastShowingApart) {
  LiveViewPacer pacer(1000);
  EXPECT_FALSE(pacer.Due(1199));
  EXPECT_TRUE(pacer.Due(1200));
  pacer.Shown(1200, 1202);
  EXPECT_FALSE(pacer.Due(1399));
  EXPECT_TRUE(pacer.Due(1400));
  pacer.Shown(1400, 1530);  // a huge picture: 130 ms to show
  EXPECT_FALSE(pacer.Due(2829));
  EXPECT_TRUE(pacer.Due(2830));
}

}  // namespace
}  // namespace tessmark

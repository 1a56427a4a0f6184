#include "preview/ui/TilePreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "preview/ui/PreviewArea.h"
#include "support/PictureProbe.h"

namespace tessmark {
namespace {

// Red = x, green = y: every shown pixel tells which picture pixel it copies.
Picture Gradient(std::int32_t width, std::int32_t height) {
  Picture picture = test::WhitePicture(width, height);
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x) {
      std::uint8_t* p = picture.Row(y) + x * 3;
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = 7;
    }
  return picture;
}

struct Preview {
  explicit Preview(const Picture* picture) : dialog(picture) {
    dialog.resize(900, 700);
    dialog.show();
  }
  PreviewArea& area() { return *dialog.Area(); }
  QImage Shown() { return area().grab().toImage(); }

  TilePreview dialog;
};

QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

TEST(TilePreview, ShowsNineCopiesWithTheTopLeftCornerAtClientRow32) {
  const Picture picture = Gradient(100, 60);
  Preview preview(&picture);
  EXPECT_EQ(preview.area().TileSize(), (Point{100, 60}));
  const QImage shown = preview.Shown();
  const QRgb background = shown.pixel(300, 100);
  EXPECT_EQ(shown.pixel(0, 32), Rgb(0, 0, 7));
  EXPECT_EQ(shown.pixel(0, 31), shown.pixel(0, 30));
  EXPECT_NE(shown.pixel(0, 31), Rgb(0, 0, 7));
  EXPECT_EQ(shown.pixel(99, 91), Rgb(99, 59, 7));
  EXPECT_EQ(shown.pixel(100, 92), Rgb(0, 0, 7));
  EXPECT_EQ(shown.pixel(299, 211), Rgb(99, 59, 7));
  EXPECT_EQ(shown.pixel(150, 32 + 60 + 30), Rgb(50, 30, 7));
  EXPECT_NE(shown.pixel(300, 32), Rgb(0, 0, 7));
  EXPECT_EQ(shown.pixel(10, 212), background);
}

TEST(TilePreview, ZoomOutReducesTheTileAndStopsAtStep16) {
  const Picture picture = Gradient(100, 60);
  Preview preview(&picture);
  preview.dialog.ZoomOut();
  preview.dialog.ZoomOut();
  EXPECT_EQ(preview.dialog.ZoomStep(), 3);
  EXPECT_EQ(preview.area().TileSize(), (Point{33, 20}));
  const QImage shown = preview.Shown();
  EXPECT_EQ(shown.pixel(1, 33), Rgb(3, 3, 7));
  EXPECT_EQ(shown.pixel(98, 32 + 59), Rgb(96, 57, 7));
  EXPECT_NE(shown.pixel(99, 32), Rgb(0, 0, 7));

  for (int i = 0; i < 17; ++i) preview.dialog.ZoomOut();
  EXPECT_EQ(preview.dialog.ZoomStep(), 16);
  preview.dialog.ZoomPixel();
  EXPECT_EQ(preview.dialog.ZoomStep(), 1);
  preview.dialog.ZoomIn();
  EXPECT_EQ(preview.dialog.ZoomStep(), 1);
  EXPECT_EQ(preview.area().View().Magnification, 2);
}

TEST(TilePreview, CtrlWheelMagnifiesAroundThePointer) {
  const Picture picture = Gradient(100, 60);
  Preview preview(&picture);
  const QPoint pointer(50, 32 + 20);
  QWheelEvent wheel(pointer, preview.area().mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&preview.area(), &wheel);
  EXPECT_EQ(preview.area().View().Magnification, 2);
  EXPECT_EQ(preview.Shown().pixel(pointer), Rgb(50, 20, 7));
  EXPECT_EQ(preview.Shown().pixel(pointer + QPoint(100, 0)), Rgb(0, 20, 7));  // the next copy
}

TEST(TilePreview, OpensLargeEnoughForTheNineCopiesWithinTheScreen) {
  const Picture small = Gradient(150, 100);
  TilePreview fitting(&small);
  fitting.show();
  EXPECT_GE(fitting.Area()->width(), 450 + 24);
  EXPECT_GE(fitting.Area()->height(), 32 + 300 + 24);
  const Picture large = Gradient(1000, 1000);
  TilePreview bounded(&large);
  EXPECT_EQ(bounded.size(), bounded.screen()->availableGeometry().size() * 4 / 5);
}

TEST(TilePreview, ZoomLeavesTheScrollPositionAndRanges) {
  const Picture picture = Gradient(100, 60);
  Preview preview(&picture);
  preview.area().HorizontalBar()->setValue(40);
  preview.dialog.ZoomOut();
  EXPECT_EQ(preview.area().ScrollPosition().X, 40);
  EXPECT_EQ(preview.area().HorizontalBar()->maximum(), 300);
  EXPECT_EQ(preview.area().VerticalBar()->maximum(), 180);
}

TEST(TilePreview, CadreResolutionMarksTheEdgesOfEveryCopy) {
  const Picture picture = Gradient(100, 60);
  Preview preview(&picture);
  QTest::mouseClick(preview.dialog.findChild<QCheckBox*>("cadreResolution"), Qt::LeftButton, {}, QPoint(6, 8));
  ASSERT_TRUE(preview.area().Framed());
  const QImage shown = preview.Shown();
  for (const auto& [cx, cy] : {std::pair{0, 0}, {100, 0}, {200, 60}, {100, 120}}) {
    EXPECT_EQ(shown.pixel(cx, 32 + cy), Rgb(0, 0, 7)) << "corner kept";
    EXPECT_EQ(shown.pixel(cx, 32 + cy + 5), Rgb(255, 250, 248)) << "left column inverted";
    EXPECT_EQ(shown.pixel(cx + 9, 32 + cy), Rgb(246, 255, 248)) << "top row inverted";
    EXPECT_EQ(shown.pixel(cx + 9, 32 + cy + 5), Rgb(9, 5, 7)) << "inside untouched";
  }
}

TEST(TilePreview, AStepLargerThanThePictureShowsNoImage) {
  const Picture picture = Gradient(10, 10);
  Preview preview(&picture);
  const QRgb before = preview.Shown().pixel(5, 40);
  for (int i = 0; i < 15; ++i) preview.dialog.ZoomOut();
  EXPECT_EQ(preview.area().TileSize(), (Point{}));
  EXPECT_NE(preview.Shown().pixel(5, 40), before);
}

TEST(TilePreview, ScrollingMovesTheImageOnePixelPerArrowUpToThreePictureWidths) {
  const Picture picture = Gradient(100, 60);
  Preview preview(&picture);
  QScrollBar* bar = preview.area().HorizontalBar();
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(preview.area().ScrollPosition().X, 1);
  EXPECT_EQ(preview.Shown().pixel(0, 32), Rgb(1, 0, 7));
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(preview.area().ScrollPosition().X, 300);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(preview.area().ScrollPosition().X, 300);
}

TEST(TilePreview, APageIsTheVisiblePartOfTheImage) {
  const Picture picture = Gradient(400, 400);
  Preview preview(&picture);
  QScrollBar* horizontal = preview.area().HorizontalBar();
  QScrollBar* vertical = preview.area().VerticalBar();
  EXPECT_EQ(horizontal->pageStep(), preview.area().width() - 24);
  EXPECT_EQ(vertical->pageStep(), preview.area().height() - 24 - 32);
  vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(preview.area().ScrollPosition().Y, vertical->pageStep());
  vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(preview.area().ScrollPosition().Y, 1200);
}

TEST(TilePreview, ScrollBarsRunAlongTheRightAndBottomEdges) {
  const Picture picture = Gradient(100, 60);
  Preview preview(&picture);
  const int cw = preview.area().width();
  const int ch = preview.area().height();
  EXPECT_EQ(preview.area().HorizontalBar()->geometry(), QRect(0, ch - 24, cw - 24, 24));
  EXPECT_EQ(preview.area().VerticalBar()->geometry(), QRect(cw - 24, 0, 24, ch - 24));
  preview.dialog.resize(640, 480);
  QCoreApplication::processEvents();
  EXPECT_EQ(preview.area().VerticalBar()->geometry().x(), preview.area().width() - 24);
}

TEST(TilePreview, WithoutAPictureShowsNothingAndSetsNoRanges) {
  Preview preview(nullptr);
  EXPECT_EQ(preview.area().TileSize(), (Point{}));
  EXPECT_EQ(preview.area().HorizontalBar()->maximum(), 0);
  EXPECT_EQ(preview.area().VerticalBar()->maximum(), 0);
}

}  // namespace
}  // namespace tessmark

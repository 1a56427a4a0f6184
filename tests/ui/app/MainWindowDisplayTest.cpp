#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/ui/EscapeWatcher.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PictureView.h"
#include "settings/Configuration.h"
#include "ui/support/FakePlatform.h"

namespace tessmark {
namespace {

namespace id = command_id;

// A window on a scripted desktop with a picture whose pixel (x, y) is red x, green y, blue 7.
struct MainWindowDisplayTest : ::testing::Test {
  test::FakePlatform desktop;
  std::unique_ptr<MainWindow> window;

  void Open(std::string dataDirectory = "/nonexistent-data/") {
    window = std::make_unique<MainWindow>(MainWindow::Start{std::move(dataDirectory), "/nonexistent-program/", &desktop});
    window->resize(400, 300);
    window->show();
  }
  void NewPicture(int width, int height) {
    desktop.ScriptDialog([=](Settings& s) {
      s.NewPicture.X = width;
      s.NewPicture.Y = height;
      return true;
    });
    window->RunCommand(id::New);
    Picture& p = *window->State().CurrentPicture;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        std::uint8_t* px = p.Row(y) + x * 3;
        px[0] = static_cast<std::uint8_t>(x);
        px[1] = static_cast<std::uint8_t>(y);
        px[2] = 7;
      }
    window->RebuildDisplay();
  }
  QRgb Shown(int x, int y) { return window->Picture().grab().toImage().pixel(x, y); }
  QRgb Background() { return window->palette().window().color().rgb(); }
  void Wheel(QPoint at, QPoint pixels, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWheelEvent event(at, window->Picture().mapToGlobal(at), pixels, angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window->Picture(), &event);
  }
  void PointAt(QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, window->Picture().mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&window->Picture(), &event);
  }
  QString Status() { return window->findChild<QLabel*>("StatusLine")->text(); }
  QScrollBar& Horizontal() { return *window->Picture().HorizontalBar(); }
  QScrollBar& Vertical() { return *window->Picture().VerticalBar(); }
};

TEST_F(MainWindowDisplayTest, TheDisplayBitmapIsCopiedFromTheViewOffsets) {
  Open();
  NewPicture(250, 120);
  const Bitmap32& bitmap = *window->State().DisplayBitmap;
  EXPECT_EQ(bitmap.Width, 252);
  EXPECT_EQ(bitmap.Height, 120);
  EXPECT_EQ(Shown(0, 0), qRgb(0, 0, 7));
  EXPECT_EQ(Shown(10, 20), qRgb(10, 20, 7));
  Horizontal().setValue(100);
  Vertical().setValue(30);
  EXPECT_EQ(window->State().View.ScrollX, 100);
  EXPECT_EQ(window->State().View.ScrollY, 30);
  EXPECT_EQ(Shown(0, 0), qRgb(100, 30, 7));
}

TEST_F(MainWindowDisplayTest, ScrollBarsRangeOverThePictureWithAPageOfTheVisibleSize) {
  Open();
  NewPicture(512, 300);
  const QSize client = window->Picture().size();
  EXPECT_EQ(Horizontal().geometry(), QRect(0, client.height() - 24, client.width() - 24, 24));
  EXPECT_EQ(Vertical().geometry(), QRect(client.width() - 24, 0, 24, client.height() - 24));
  EXPECT_EQ(Horizontal().minimum(), 0);
  EXPECT_EQ(Horizontal().maximum(), 512);
  EXPECT_EQ(Vertical().maximum(), 300);
  EXPECT_EQ(Horizontal().pageStep(), client.width() - 24);
  EXPECT_EQ(Vertical().pageStep(), client.height() - 24);
  Horizontal().triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(window->State().View.ScrollX, 1);
  Horizontal().triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(window->State().View.ScrollX, 1 + client.width() - 24);
  Horizontal().triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(window->State().View.ScrollX, 512);
  EXPECT_EQ(Shown(0, 0), window->palette().window().color().rgb());
  Horizontal().triggerAction(QAbstractSlider::SliderPageStepSub);
  Horizontal().triggerAction(QAbstractSlider::SliderPageStepSub);
  Horizontal().triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(window->State().View.ScrollX, 0);
}

TEST_F(MainWindowDisplayTest, ZoomOutSamplesEveryOtherPixelAndLeavesTheViewWhereItWas) {
  Open();
  NewPicture(10, 5);
  Horizontal().setValue(1);
  window->RunCommand(id::ZoomOut);
  EXPECT_EQ(window->State().View.Zoom, 2);
  EXPECT_EQ(window->State().View.ScrollX, 1);
  EXPECT_EQ(Shown(0, 0), qRgb(2, 0, 7));
  EXPECT_EQ(Shown(1, 1), qRgb(4, 2, 7));
  EXPECT_EQ(Shown(3, 1), qRgb(8, 2, 7));
  // Display column 5 only rounds the width, and the display's white lies beyond: neither is drawn.
  EXPECT_EQ(Shown(4, 0), Background());
  EXPECT_EQ(Shown(3, 3), Background());
  EXPECT_EQ(window->State().DisplayBitmap->Row(0)[6 * 4], 0xFF);
  window->RunCommand(id::ZoomPixel);
  EXPECT_EQ(Shown(0, 0), qRgb(1, 0, 7));
}

TEST_F(MainWindowDisplayTest, NewPutsTheViewBackAtTheOrigin) {
  Open();
  NewPicture(300, 300);
  Horizontal().setValue(120);
  NewPicture(200, 100);
  EXPECT_EQ(window->State().View.ScrollX, 0);
  EXPECT_EQ(Horizontal().value(), 0);
  EXPECT_EQ(Horizontal().maximum(), 200);
  Horizontal().setValue(200);
  Vertical().setValue(100);
  NewPicture(50, 40);  // smaller than the offsets: the bars' clamp must not become the view
  EXPECT_EQ(window->State().View.ScrollX, 0);
  EXPECT_EQ(window->State().View.ScrollY, 0);
  EXPECT_EQ(Shown(0, 0), qRgb(0, 0, 7));
}

TEST_F(MainWindowDisplayTest, UndoWithoutSnapshotLeavesAnEmptyWindow) {
  Open();
  NewPicture(40, 40);
  window->RunCommand(id::Undo);
  EXPECT_FALSE(window->State().DisplayBitmap);
  EXPECT_EQ(Shown(5, 5), window->palette().window().color().rgb());
}

TEST_F(MainWindowDisplayTest, OpeningLoadsTheMainConfigurationOfTheDataDirectory) {
  QTemporaryDir data;
  Settings saved;
  saved.Polygon.AngMax = 99;
  ASSERT_TRUE(SaveConfiguration(data.filePath("main.gccfg").toStdString(), saved));
  Open(data.path().toStdString() + "/");
  EXPECT_EQ(window->State().ConfigPath, data.filePath("main.gccfg").toStdString());
  EXPECT_EQ(window->State().Settings.Polygon.AngMax, 99);
  EXPECT_TRUE(desktop.Messages.empty());
}

TEST_F(MainWindowDisplayTest, WhilePaintingTheVisibleRowsAndTheStatusShowAndAfterItTheSizeAndZoom) {
  Open();
  NewPicture(250, 120);
  const QLabel& status = *window->findChild<QLabel*>("StatusLine");
  EXPECT_EQ(status.text(), "250 × 120, zoom 1");
  window->State().CurrentPicture->Row(3)[0] = 99;
  window->ShowPainting("Circle: 5 shapes");
  EXPECT_EQ(Shown(0, 3), qRgb(99, 3, 7));
  EXPECT_EQ(status.text(), "Circle: 5 shapes");
  window->RunCommand(id::ZoomOut);
  EXPECT_EQ(status.text(), "250 × 120, zoom 1/2");
}

TEST_F(MainWindowDisplayTest, TheWheelScrollsByPixelsAndCtrlWheelZoomsAroundThePointer) {
  Open();
  NewPicture(250, 120);
  window->RunCommand(id::ZoomIn);
  EscapeWatcher run;
  run.Start();
  Wheel({50, 50}, {0, -35}, {0, -120}, Qt::ControlModifier);
  run.Stop();
  EXPECT_EQ(window->State().View.Magnification, 2);  // a paint run ignores the wheel
  Wheel({50, 50}, {0, -35}, {0, -120});  // a touchpad: its pixels count, at two per picture pixel
  Wheel({50, 50}, {0, -35}, {0, -120});
  EXPECT_EQ(window->State().View.ScrollY, 35);
  EXPECT_EQ(Vertical().pageStep(), (window->Picture().height() - 24) / 2);
  Wheel({50, 50}, {}, {0, -120}, Qt::ShiftModifier);
  EXPECT_EQ(window->State().View.ScrollX, 30);
  const QPoint pointer(11, 5);
  PointAt(pointer);
  EXPECT_EQ(Status(), "250 × 120, zoom 2× — x 35, y 37: #232507");
  Wheel(pointer, {}, {0, 120}, Qt::ControlModifier);
  EXPECT_EQ(window->State().View.Magnification, 4);
  EXPECT_EQ(Shown(pointer.x(), pointer.y()), qRgb(35, 37, 7));
  EXPECT_EQ(Status(), "250 × 120, zoom 4× — x 35, y 37: #232507");
  Wheel(pointer, {}, {0, -360}, Qt::ControlModifier);
  EXPECT_EQ(window->State().View.Zoom, 2);
  EXPECT_EQ(Shown(pointer.x(), pointer.y()), qRgb(34, 36, 7));  // the block of four that holds it
  // A temporary message covers the readout while it lasts.
  window->statusBar()->showMessage("notice");
  EXPECT_FALSE(window->findChild<QLabel*>("StatusLine")->isVisible());
  window->statusBar()->clearMessage();
  EXPECT_TRUE(window->findChild<QLabel*>("StatusLine")->isVisible());
}

}  // namespace
}  // namespace tessmark

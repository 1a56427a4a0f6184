// Milliseconds per repaint of a real main window whose picture area is 1600 x 1200, showing a
// 16384 x 16384 picture one to one, magnified 16 times, and while scrolling magnified. Needs a
// screen: run it under xvfb-run, or with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>

#include "app/CommandIds.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PictureView.h"

namespace tessmark {
namespace {

constexpr int Repaints = 50;

double MillisecondsPerRepaint(PictureView& view, const std::function<void(int)>& before) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < Repaints; ++i) {
    before(i);
    view.repaint();
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / Repaints;
}

int Run(int argc, char** argv) {
  QApplication application(argc, argv);
  QTemporaryDir data;
  MainWindow window({data.path().toStdString() + "/", data.path().toStdString() + "/", nullptr});
  window.show();
  window.resize(1600, 1200);
  QApplication::processEvents();
  window.resize(window.size() + QSize(1600, 1200) - window.Picture().size());
  QApplication::processEvents();
  window.State().CurrentPicture = CreatePicture(16384, 16384);
  window.Context().ResetView();
  window.RebuildDisplay();
  PictureView& view = window.Picture();
  std::printf("picture area %d x %d, picture 16384 x 16384\n", view.width(), view.height());
  const auto still = [](int) {};
  const auto scrolling = [&view](int i) { view.HorizontalBar()->setValue(8000 + 7 * i); };
  std::printf("one to one:        %.2f ms per repaint\n", MillisecondsPerRepaint(view, still));
  for (int i = 0; i < 4; ++i) window.RunCommand(command_id::ZoomIn);
  std::printf("magnified %2dx:     %.2f ms per repaint\n", window.State().View.Magnification,
              MillisecondsPerRepaint(view, still));
  std::printf("scrolling at %2dx:  %.2f ms per repaint\n", window.State().View.Magnification,
              MillisecondsPerRepaint(view, scrolling));
  return 0;
}

}  // namespace
}  // namespace tessmark

int main(int argc, char** argv) { return tessmark::Run(argc, argv); }

// Circles (radius 8-32) painted per second in a real main window at zoom 1, with the live view and
// with a view that skips it, at 2048 x 2048 and 16384 x 16384. Needs an X server: run it through
// bench/live_view.sh, which starts Xvfb.
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "app/ui/MainWindow.h"
#include "app/ui/PaintCommand.h"
#include "paint/Generators.h"

namespace tessmark {
namespace {

// The window itself, except that it never shows a picture while it is being painted.
class BlindView : public MainView {
 public:
  explicit BlindView(MainView& window) : window_(window) {}
  void RebuildDisplay() override { window_.RebuildDisplay(); }
  void LayoutScrollBars() override { window_.LayoutScrollBars(); }
  void ShowPainting(const std::string&) override {}
  WindowPlacement Placement() const override { return window_.Placement(); }
  void EndProgram() override {}

 private:
  MainView& window_;
};

double ShapesPerSecond(CommandContext& c, std::int32_t count) {
  c.State.Settings.Circle = {8, 32, count};
  double seconds = 0;
  RunGenerator(c, {OperationKind::Circle, false, [&seconds](CommandContext& command, PaintContext& paint) {
                     const auto start = std::chrono::steady_clock::now();
                     PaintCircles(paint, command.State.Settings.Circle);
                     seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                     return GeneratorOutcome();
                   }});
  return count / seconds;
}

int Run(int argc, char** argv) {
  QApplication application(argc, argv);
  QTemporaryDir data;
  MainWindow window({data.path().toStdString() + "/", data.path().toStdString() + "/", nullptr});
  window.resize(1024, 740);
  window.show();
  QApplication::processEvents();
  const std::int32_t count = argc > 1 ? std::atoi(argv[1]) : 2000000;
  for (const std::int32_t size : {2048, 16384}) {
    window.State().CurrentPicture = CreatePicture(size, size);
    window.Context().ResetView();
    window.RebuildDisplay();
    BlindView blind(window);
    CommandContext blindContext{window.State(), window.Context().Desktop, blind};
    const double without = ShapesPerSecond(blindContext, count);
    const double with = ShapesPerSecond(window.Context(), count);
    std::printf("%5d x %-5d  %d circles: without live view %.0f shapes/s, with %.0f shapes/s (%.1f %%)\n", size, size,
                count, without, with, 100.0 * with / without);
  }
  return 0;
}

}  // namespace
}  // namespace tessmark

int main(int argc, char** argv) { return tessmark::Run(argc, argv); }

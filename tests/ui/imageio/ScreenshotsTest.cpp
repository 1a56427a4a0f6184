// The pictures of the palette editor and the preview in docs/, taken on a real (virtual) screen:
//   scripts/screenshots
// Skipped unless TESSMARK_SCREENSHOT_DIR names the folder to write them to.

#include <QCheckBox>
#include <QLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <cstdlib>

#include "paint/Generators.h"
#include "palette/ui/PaletteEditor.h"
#include "palette/ui/PaletteGrid.h"
#include "preview/ui/PreviewArea.h"
#include "preview/ui/TilePreview.h"
#include "ui/support/FakePlatform.h"

namespace tessmark {
namespace {

QString ScreenshotFolder() { return QString::fromLocal8Bit(std::getenv("TESSMARK_SCREENSHOT_DIR")); }

void SaveWindow(QWidget& window, const QString& name) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTest::qWait(200);
  const QPixmap shot = window.screen()->grabWindow(window.winId());
  ASSERT_TRUE(shot.save(ScreenshotFolder() + "/" + name));
}

Palette WarmAndCoolPalette() {
  Palette palette;
  palette.AllColor = false;
  AddRandomColors(palette, 70, 20161);
  return palette;
}

// A seamless picture of discs in the palette's colours, the same on every run.
Picture DiscPicture(const Palette& palette) {
  Picture picture = *CreatePicture(240, 160);
  std::uint8_t weight = 255;
  RandomValue random;
  PaintContext context{picture, true, weight, random, palette, MixRange{40, 100}, [] { return false; }, [] { return 7u; }};
  PaintCircles(context, CircleParams{.Raymin = 6, .Raymax = 34, .Count = 260});
  return picture;
}

TEST(Screenshots, PaletteEditorAndPreview) {
  if (ScreenshotFolder().isEmpty()) GTEST_SKIP() << "TESSMARK_SCREENSHOT_DIR is not set";
  const Palette palette = WarmAndCoolPalette();

  Palette current = palette;
  test::FakePlatform desktop;
  PaletteEditor editor(current, desktop);
  editor.Grid()->SetSelection(21);
  SaveWindow(editor, "palette-editor.png");

  const Picture picture = DiscPicture(palette);
  TilePreview preview(&picture);
  const int menuHeight = preview.layout()->menuBar()->sizeHint().height();
  preview.resize(3 * 240 + PreviewArea::ScrollBarThickness,
                 menuHeight + PreviewArea::ImageTop + 3 * 160 + PreviewArea::ScrollBarThickness);
  preview.findChild<QCheckBox*>("cadreResolution")->click();
  SaveWindow(preview, "preview.png");
}

}  // namespace
}  // namespace tessmark

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/ui/CommandTable.h"
#include "app/ui/MainWindow.h"
#include "support/TestPictures.h"
#include "ui/support/FakePlatform.h"

namespace tessmark {
namespace {

struct WindowCommands : ::testing::Test {
  test::FakePlatform desktop;
  MainWindow window{{"/nonexistent-data/", "/nonexistent-program/", &desktop}};
};

TEST_F(WindowCommands, CopyAndPasteMoveTheWholePictureThroughTheClipboard) {
  QAction* copy = window.CommandAction(command_id::ExportClipboard);
  QAction* paste = window.CommandAction(command_id::ImportClipboard);
  EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
  EXPECT_EQ(paste->shortcut(), QKeySequence(QKeySequence::Paste));

  QApplication::clipboard()->clear();
  window.State().CurrentPicture = test::PatternPicture(8, 6);
  copy->trigger();
  window.State().CurrentPicture.reset();
  paste->trigger();
  ASSERT_TRUE(window.State().CurrentPicture);
  EXPECT_TRUE(test::SamePixels(*window.State().CurrentPicture, test::PatternPicture(8, 6)));
}

TEST(CommandTable, ReachesTheExchangePaletteConfigurationAndPreviewCommands) {
  CommandTable table;
  RegisterAllCommands(table);
  namespace id = command_id;
  for (int command : {id::ImportClipboard, id::ExportClipboard, id::ExportJpeg, id::PartImport, id::PartExport,
                      id::PartFilter, id::Palette, id::Configuration, id::BlendColor, id::NoBlendColor, id::Preview})
    EXPECT_TRUE(table.Contains(command)) << command;
}

}  // namespace
}  // namespace tessmark

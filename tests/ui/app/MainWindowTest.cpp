#include "app/ui/MainWindow.h"

#include <QAction>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/MainMenu.h"
#include "ui/support/FakePlatform.h"

namespace tessmark {
namespace {

struct MainWindowTest : ::testing::Test {
  test::FakePlatform desktop;
  MainWindow window{{"/nonexistent-data/", "/nonexistent-program/", &desktop}};
};

TEST_F(MainWindowTest, EveryMenuCommandHasAnActionCarryingItsId) {
  for (int id : MenuCommandIds()) {
    QAction* action = window.CommandAction(id);
    ASSERT_NE(action, nullptr) << id;
    EXPECT_EQ(action->data().toInt(), id);
  }
}

TEST_F(MainWindowTest, TitleCarriesVersionAndBuildStamp) {
  EXPECT_TRUE(window.windowTitle().startsWith("TessmarkPicture Version 0.2 Build ("));
  EXPECT_TRUE(window.windowTitle().endsWith(")"));
}

TEST_F(MainWindowTest, UsualShortcutsReachTheirCommands) {
  EXPECT_EQ(window.CommandAction(command_id::New)->shortcut(), QKeySequence(QKeySequence::New));
  EXPECT_EQ(window.CommandAction(command_id::Undo)->shortcut(), QKeySequence(QKeySequence::Undo));
  EXPECT_EQ(window.CommandAction(command_id::Exit)->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(window.CommandAction(command_id::ZoomIn)->shortcuts().size(), 2);
  EXPECT_EQ(window.CommandAction(command_id::ZoomOut)->shortcut(), QKeySequence("Ctrl+-"));
  EXPECT_EQ(window.CommandAction(command_id::ZoomPixel)->shortcut(), QKeySequence("Ctrl+0"));
}

}  // namespace
}  // namespace tessmark

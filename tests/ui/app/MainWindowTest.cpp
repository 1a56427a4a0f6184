#include "app/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/MainMenu.h"
#include "app/ui/CommandTable.h"
#include "recipe/OperationTable.h"
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

TEST(CommandTable, EveryMenuCommandHasAHandler) {
  CommandTable table;
  RegisterAllCommands(table);
  for (int id : MenuCommandIds()) EXPECT_TRUE(table.Contains(id)) << id;
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

namespace tessmark {
namespace {

using test::FakePlatform;

std::unique_ptr<MainWindow> OpenWindow(FakePlatform& desktop) {
  return std::make_unique<MainWindow>(MainWindow::Start{"/nonexistent-data/", "/nonexistent-program/", &desktop});
}

TEST(MainWindowPlacement, FirstStartTakesTwoThirdsOfTheScreenInItsMiddle) {
  FakePlatform desktop;
  desktop.Store["left"] = 0;
  auto window = OpenWindow(desktop);
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_EQ(window->size(), screen.size() * 2 / 3);
  const QPoint offCentre = QRect(window->pos(), window->size()).center() - screen.center();
  EXPECT_LE(offCentre.manhattanLength(), 2);
}

TEST(MainWindowPlacement, AStoredRectangleFillsItsMissingEdgesWithTheDefaults) {
  FakePlatform desktop;
  desktop.Store = {{"left", 0}, {"right", 300}};
  auto window = OpenWindow(desktop);
  EXPECT_EQ(window->Placement(), (WindowPlacement{1, 1, 300, 512}));
}

TEST(MainWindowPlacement, StoredRectangleComesBackAndExitStoresItAgain) {
  FakePlatform desktop;
  desktop.Store = {{"left", 40}, {"top", 30}, {"right", 840}, {"bottom", 630}};
  auto window = OpenWindow(desktop);
  EXPECT_EQ(window->Placement(), (WindowPlacement{40, 30, 840, 630}));
  desktop.Store.clear();
  window->RunCommand(command_id::Exit);
  EXPECT_EQ(desktop.Store.at("right"), 840u);
  EXPECT_EQ(desktop.Store.at("bottom"), 630u);
}

TEST(MainWindowClosing, CloseBoxAsksAndNoKeepsTheWindowOpen) {
  FakePlatform desktop;
  auto window = OpenWindow(desktop);
  window->show();
  desktop.MessageAnswers = {MessageAnswer::No};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Text, "Confirm exit ?");
  desktop.MessageAnswers = {MessageAnswer::Yes};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(desktop.Store.count("left"), 1u);
}

TEST(MainWindowClosing, ExitClosesWithoutAsking) {
  FakePlatform desktop;
  auto window = OpenWindow(desktop);
  window->show();
  window->RunCommand(command_id::Exit);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(desktop.Messages.empty());
}

TEST(MainWindowClosing, ACloseRequestDuringARunAsksOnceTheCommandHasEnded) {
  FakePlatform desktop;
  auto window = OpenWindow(desktop);
  window->show();
  desktop.ScriptOk();
  window->RunCommand(command_id::New);
  desktop.ScriptDialog([](Settings& s) { return (s.Circle.Count = 0) == 0; });
  desktop.OnTimeRead = [&] { window->close(); };  // the seed is read once the run has started
  desktop.EscapeAnswers = {false, true};  // the first poll discards an earlier press
  desktop.MessageAnswers = {MessageAnswer::Yes};
  window->RunCommand(RowOf(OperationKind::Circle).CommandId);
  EXPECT_EQ(desktop.MessagesWhileBusy, 0);
  EXPECT_EQ(desktop.Events.back(), "message:Confirm exit ?");
  EXPECT_FALSE(window->isVisible());
}

TEST(MainWindowClosing, EnterAndEscapeDoNothing) {
  FakePlatform desktop;
  auto window = OpenWindow(desktop);
  window->show();
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &press);
  }
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(desktop.Messages.empty());
}

}  // namespace
}  // namespace tessmark

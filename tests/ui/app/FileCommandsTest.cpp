#include "app/ui/FileCommands.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "support/PictureProbe.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;
using Fixture = test::CommandFixture;
using Events = std::vector<std::string>;

TEST_F(Fixture, NewMakesAWhitePictureAtZoomOneFromTheOrigin) {
  state.View.Zoom = 5;
  state.View.ScrollX = 40;
  state.View.ScrollY = 7;
  MakePicture(4, 4);
  ASSERT_TRUE(state.CurrentPicture);
  EXPECT_EQ(state.CurrentPicture->Width, 4);
  EXPECT_EQ(state.CurrentPicture->Height, 4);
  EXPECT_TRUE(test::PaintedPixels(*state.CurrentPicture).empty());
  EXPECT_EQ(state.View.Zoom, 1);
  EXPECT_EQ(state.View.ScrollX, 0);
  EXPECT_EQ(state.View.ScrollY, 0);
}

TEST_F(Fixture, NewRebuildsThenLaysOutTheScrollBars) {
  desktop.ScriptOk();
  Run(id::New);
  EXPECT_EQ(desktop.Events, (Events{"dialog", "rebuild", "layout"}));
  EXPECT_EQ(desktop.DialogsShown, std::vector<RecordDialogKind>{SettingsDialog::NewPicture});
  EXPECT_EQ(state.CurrentPicture->Width, 512);
}

TEST_F(Fixture, NewBelowTheMinimumSizeSaysSoAndKeepsThePicture) {
  MakePicture(20, 10);
  desktop.ScriptDialog([](Settings& s) {
    s.NewPicture.X = 3;
    s.NewPicture.Y = 100;
    return true;
  });
  Run(id::New);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0], PictureTooSmallMessage());
  EXPECT_EQ(state.CurrentPicture->Width, 20);
  EXPECT_EQ(view.Rebuilds, 0);
}

TEST_F(Fixture, NewCancelledChangesNothing) {
  MakePicture(20, 10);
  Run(id::New);
  EXPECT_EQ(desktop.Events, Events{"dialog"});
  EXPECT_EQ(state.CurrentPicture->Width, 20);
}

TEST_F(Fixture, NewTooLargeForMemoryKeepsThePictureWithAClearMessage) {
  MakePicture(20, 10);
  desktop.ScriptDialog([](Settings& s) {
    s.NewPicture.X = 2147483647;
    s.NewPicture.Y = 2147483647;
    return true;
  });
  Run(id::New);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0], OutOfMemoryMessage());
  EXPECT_EQ(state.CurrentPicture->Width, 20);
}

TEST_F(Fixture, NewBeyondTheMemoryTheSystemCanGiveIsRefusedBeforeAllocating) {
  MakePicture(20, 10);
  state.Memory = [] { return std::optional<std::uint64_t>(100'000'000); };
  desktop.ScriptDialog([](Settings& s) {
    s.NewPicture.X = 37000;
    s.NewPicture.Y = 38000;
    return true;
  });
  Run(id::New);
  EXPECT_EQ(desktop.Messages, std::vector<UserMessage>{OutOfMemoryMessage()});
  EXPECT_EQ(state.CurrentPicture->Width, 20);
  EXPECT_EQ(view.Rebuilds, 0);
}

TEST_F(Fixture, NewLeavesTheUndoSnapshotAlone) {
  MakePicture(512, 512);
  ASSERT_TRUE(TakeUndoSnapshot(state));
  MakePicture(100, 100);
  Run(id::Undo);
  EXPECT_EQ(state.CurrentPicture->Width, 512);
}

TEST_F(Fixture, ExitSavesPlacementWithoutAskingAndEnds) {
  Run(id::Exit);
  EXPECT_TRUE(desktop.Messages.empty());
  EXPECT_TRUE(view.Ended);
  EXPECT_EQ(desktop.Store.at("left"), 10u);
  EXPECT_EQ(desktop.Store.at("top"), 20u);
  EXPECT_EQ(desktop.Store.at("right"), 650u);
  EXPECT_EQ(desktop.Store.at("bottom"), 500u);
}

TEST_F(Fixture, CloseBoxAsksAndNoKeepsTheProgramWithNothingSaved) {
  desktop.MessageAnswers.push_back(MessageAnswer::No);
  ConfirmExit(context);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0], ConfirmExitMessage());
  EXPECT_EQ(desktop.Messages[0].Icon, MessageIcon::Exclamation);
  EXPECT_FALSE(view.Ended);
  EXPECT_TRUE(desktop.Store.empty());
}

TEST_F(Fixture, CloseBoxYesSavesAndEnds) {
  desktop.MessageAnswers.push_back(MessageAnswer::Yes);
  ConfirmExit(context);
  EXPECT_TRUE(view.Ended);
  EXPECT_EQ(desktop.Store.count("left"), 1u);
}

TEST_F(Fixture, AboutBoxShowsTheBuildText) {
  Run(id::AboutBox);
  ASSERT_EQ(desktop.AboutTexts.size(), 1u);
  EXPECT_EQ(desktop.AboutTexts[0].rfind("TessmarkPicture Version 0.2 Build (", 0), 0u);
  Run(id::AboutProgram);
  EXPECT_EQ(desktop.ProgramAboutCount, 1);
}

}  // namespace
}  // namespace tessmark

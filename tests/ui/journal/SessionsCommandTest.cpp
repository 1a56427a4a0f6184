#include "journal/ui/SessionsCommand.h"

#include "app/CommandIds.h"
#include "app/SessionKeeping.h"
#include "support/PaintFixture.h"
#include "support/TempFolder.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

// Commands as the main window runs them: the journal kept after each.
struct SessionsCommandTest : test::CommandFixture {
  test::TempFolder data;
  SessionsCommandTest() {
    state.DataDirectory = data.Path.string();
    StartJournal(state);
  }
  void Do(int id) {
    Run(id);
    KeepSession(state, ++desktop.Time);
  }
  void NewPicture() {
    MakePicture(40, 30);
    KeepSession(state, ++desktop.Time);
  }
  void Circles(std::int32_t count) {
    desktop.ScriptDialog([count](Settings& s) {
      s.Circle.Count = count;
      return true;
    });
    Do(IdOf(OperationKind::Circle));
  }
  Picture Copy() { return *ClonePicture(*state.CurrentPicture); }
  void Restore(std::size_t session, std::size_t steps) {
    desktop.SessionChoices.push_back(SessionChoice{session, steps});
    Do(command_id::Sessions);
  }
};

TEST_F(SessionsCommandTest, AnyStepOfThePreviousSessionComesBackAfterNewWithItsRecipe) {
  NewPicture();
  Circles(30);
  const Picture first = Copy();
  Circles(20);
  const Picture replaced = Copy();
  NewPicture();
  Restore(1, 2);
  EXPECT_TRUE(test::SamePixels(*state.CurrentPicture, replaced));
  EXPECT_EQ(state.PictureRecipe.Steps.size(), 2u);
  Restore(2, 1);  // the restore began a session of its own
  EXPECT_TRUE(test::SamePixels(*state.CurrentPicture, first));
  Do(command_id::Undo);
  EXPECT_TRUE(test::SamePixels(*state.CurrentPicture, replaced));
}

TEST_F(SessionsCommandTest, EscapeDuringARestoreBringsBackThePictureFromBefore) {
  NewPicture();
  Circles(30);
  Circles(10);
  const Picture before = Copy();
  desktop.EscapeAnswers = {false, true};
  Restore(0, 1);
  EXPECT_TRUE(test::SamePixels(*state.CurrentPicture, before));
  EXPECT_EQ(state.PictureRecipe.Steps.size(), 2u);
}

}  // namespace
}  // namespace tessmark

#include "app/ui/PaintCommand.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "paint/Generators.h"
#include "support/PictureProbe.h"
#include "support/TestPictures.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;
using Events = std::vector<std::string>;

// Paints one black pixel per shape at (n, 0) until the count or Escape, as a generator would.
struct PaintCommandTest : test::CommandFixture {
  int shapes = 0;
  bool sawBusy = false;

  PaintOperation BlackPixels(bool remind = true) {
    return {OperationKind::Circle, remind, [this](CommandContext& c, PaintContext& paint) {
              RepeatShapes(paint, c.State.Settings.Circle.Count, [&] {
                sawBusy = desktop.InsideBusy;
                WritePixel(paint.ShapeCanvas(), shapes++, 0, Color{0, 0, 0});
              });
              return GeneratorOutcome();
            }};
  }
  void ScriptCount(std::int32_t count) {
    desktop.ScriptDialog([count](Settings& s) {
      s.Circle.Count = count;
      return true;
    });
  }
};

TEST_F(PaintCommandTest, WithoutPictureOnlyTheMessageShows) {
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(desktop.Events, Events{"message:" + NoPictureMessage().Text});
  EXPECT_EQ(desktop.Messages[0], NoPictureMessage());
}

TEST_F(PaintCommandTest, TooSmallPictureIsRefusedBeforeTheDialog) {
  state.CurrentPicture = CreatePicture(3, 8);
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(desktop.Events, Events{"message:" + PictureTooSmallMessage().Text});
}

TEST_F(PaintCommandTest, DialogReminderSnapshotGeneratorRebuildInOrder) {
  MakePicture(16, 16);
  ScriptCount(3);
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(desktop.Events, (Events{"dialog", "information", "busy", "rebuild"}));
  EXPECT_EQ(shapes, 3);
  EXPECT_TRUE(sawBusy);
  ASSERT_TRUE(state.UndoPicture);
  EXPECT_TRUE(test::PaintedPixels(*state.UndoPicture).empty());
  EXPECT_EQ(test::PaintedPixels(*state.CurrentPicture), test::Block(0, 0, 2, 0));
}

TEST_F(PaintCommandTest, CancelChangesNothingAndTakesNoSnapshot) {
  MakePicture(16, 16);
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(desktop.Events, Events{"dialog"});
  EXPECT_FALSE(state.UndoPicture);
  EXPECT_EQ(shapes, 0);
  EXPECT_EQ(view.Rebuilds, 0);
}

TEST_F(PaintCommandTest, FilterKindSkipsTheReminder) {
  MakePicture(16, 16);
  ScriptCount(1);
  PaintCommand(context, BlackPixels(false));
  EXPECT_EQ(desktop.Events, (Events{"dialog", "busy", "rebuild"}));
}

TEST_F(PaintCommandTest, GeneratorIsSeededFromTheClock) {
  MakePicture(16, 16);
  desktop.Time = 777;
  std::uint32_t seed = 0;
  desktop.ScriptOk();
  PaintCommand(context, {OperationKind::Circle, true, [&](CommandContext&, PaintContext& p) {
                           seed = p.Seed();
                           return GeneratorOutcome();
                         }});
  EXPECT_EQ(seed, 777u);
}

TEST_F(PaintCommandTest, EscapeStopsAfterTheCurrentShapeAndUndoBringsThePictureBack) {
  MakePicture(16, 16);
  desktop.EscapeAnswers = {false, false, true};
  ScriptCount(0);
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(shapes, 3);
  EXPECT_EQ(view.Rebuilds, 1);
  Run(id::Undo);
  EXPECT_TRUE(test::PaintedPixels(*state.CurrentPicture).empty());
}

TEST_F(PaintCommandTest, MemoryRunningOutPartWayBringsThePictureBackUnrecorded) {
  MakePicture(16, 16);
  desktop.ScriptOk();
  const std::size_t recorded = state.PictureRecipe.Steps.size();
  PaintCommand(context, {OperationKind::Circle, false, [](CommandContext&, PaintContext& paint) -> GeneratorOutcome {
                           paint.Seed();
                           paint.CurrentBlendWeight = 9;
                           WritePixel(paint.ShapeCanvas(), 1, 1, Color{0, 0, 0});
                           throw std::bad_alloc();
                         }});
  EXPECT_EQ(desktop.Events, (Events{"dialog", "busy", "message:" + OutOfMemoryMessage().Text, "rebuild"}));
  EXPECT_TRUE(test::PaintedPixels(*state.CurrentPicture).empty());
  EXPECT_EQ(state.CurrentBlendWeight, 255);
  EXPECT_EQ(state.PictureRecipe.Steps.size(), recorded);
}

TEST_F(PaintCommandTest, ReminderShowsUntilSwitchedOffAndComesBackWhenSwitchedOn) {
  MakePicture(16, 16);
  desktop.InformationAnswers = {true};
  ScriptCount(1);
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(desktop.Store.at("dontshowinformation1"), 1u);
  ScriptCount(1);
  desktop.Events.clear();
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(desktop.Events, (Events{"dialog", "busy", "rebuild"}));
  desktop.Store["dontshowinformation1"] = 0;
  ScriptCount(1);
  desktop.Events.clear();
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(desktop.Events[1], "information");
  EXPECT_EQ(desktop.Store.at("dontshowinformation1"), 0u);
}

TEST_F(PaintCommandTest, WhatTheGeneratorHasToTellComesOnceInputIsBackThenThePicture) {
  MakePicture(16, 16);
  desktop.ScriptOk();
  const UserMessage failure{"File not found /x.png", "accessfile", MessageIcon::Stop};
  PaintCommand(context, {OperationKind::Tag, false, [&](CommandContext&, PaintContext&) { return GeneratorOutcome{failure, true}; }});
  EXPECT_EQ(desktop.Events, (Events{"dialog", "busy", "message:File not found /x.png", "rebuild"}));
  EXPECT_EQ(desktop.Messages.at(0), failure);
  EXPECT_EQ(desktop.MessagesWhileBusy, 0);
  EXPECT_TRUE(state.UndoPicture);
}

TEST_F(PaintCommandTest, UndoRepeatsTheSameSnapshot) {
  MakePicture(16, 16);
  ScriptCount(2);
  PaintCommand(context, BlackPixels());
  Run(id::Undo);
  EXPECT_TRUE(test::PaintedPixels(*state.CurrentPicture).empty());
  WritePixel({*state.CurrentPicture, true, 255}, 5, 5, Color{1, 2, 3});
  Run(id::Undo);
  EXPECT_TRUE(test::PaintedPixels(*state.CurrentPicture).empty());
  EXPECT_EQ(view.Rebuilds, 3);
}

TEST_F(PaintCommandTest, UndoWithoutSnapshotDropsThePictureThenPaintAsksForNew) {
  MakePicture(16, 16);
  Run(id::Undo);
  EXPECT_FALSE(state.CurrentPicture);
  PaintCommand(context, BlackPixels());
  EXPECT_EQ(desktop.Messages.back(), NoPictureMessage());
}

TEST_F(PaintCommandTest, UndoWithoutPictureDoesNothing) {
  Run(id::Undo);
  EXPECT_TRUE(desktop.Events.empty());
}

TEST_F(PaintCommandTest, ZoomStepsStayWithinOneToSixteenAndRebuildOnlyForAnotherReduction) {
  for (int i = 0; i < 20; ++i) Run(id::ZoomOut);
  EXPECT_EQ(state.View.Zoom, 16);
  Run(id::ZoomIn);
  EXPECT_EQ(state.View.Zoom, 15);
  Run(id::ZoomPixel);
  EXPECT_EQ(state.View.Zoom, 1);
  EXPECT_EQ(view.Rebuilds, 22);  // no display yet: every step builds one
  state.DisplayBitmap = AllocateBitmap32(4, 4);
  Run(id::ZoomIn);
  Run(id::ZoomIn);
  EXPECT_EQ(state.View.Zoom, 1);
  EXPECT_EQ(state.View.Magnification, 4);
  EXPECT_EQ(view.Rebuilds, 22);
}

TEST_F(PaintCommandTest, MixageEditsTheRangeOnlyOnOk) {
  desktop.ScriptDialog([](Settings& s) {
    s.MixRange.From = 0;
    return false;
  });
  Run(id::Mixage);
  EXPECT_EQ(state.Settings.MixRange.From, 100);
  desktop.ScriptDialog([](Settings& s) {
    s.MixRange.From = 20;
    return true;
  });
  Run(id::Mixage);
  EXPECT_EQ(state.Settings.MixRange.From, 20);
  EXPECT_EQ(view.Rebuilds, 0);
}

TEST_F(PaintCommandTest, TheLiveViewCountsShapesAndOnlyReadsThePicture) {
  const PaintOperation circles{OperationKind::Circle, false, [](CommandContext& c, PaintContext& paint) {
                                 PaintCircles(paint, c.State.Settings.Circle);
                                 return GeneratorOutcome();
                               }};
  MakePicture(64, 64);
  ScriptCount(15);
  PaintCommand(context, circles);
  EXPECT_TRUE(view.Painting.empty()) << "a run under 200 ms shows nothing until its end";
  const Picture unseen = *ClonePicture(*state.CurrentPicture);

  MakePicture(64, 64);
  desktop.ClockStep = 100;  // each reading of the clock: 100 ms later
  ScriptCount(15);
  PaintCommand(context, circles);
  // Shown 200 ms after the start, then ten times the 100 ms showing after it.
  EXPECT_EQ(view.Painting, (Events{"Circle: 1 shape — Escape stops", "Circle: 11 shapes — Escape stops"}));
  EXPECT_TRUE(test::SamePixels(*state.CurrentPicture, unseen));
  EXPECT_EQ(desktop.Events.back(), "rebuild");
}

}  // namespace
}  // namespace tessmark

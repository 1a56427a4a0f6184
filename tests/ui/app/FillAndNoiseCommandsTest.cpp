#include <cstring>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "paint/Generators.h"
#include "support/PictureProbe.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;
using Events = std::vector<std::string>;
using Fixture = test::CommandFixture;

constexpr ColorRef Orange = 0x002080F0;  // red F0, green 80, blue 20

TEST_F(Fixture, FillNeedsAPictureOfAtLeastFourByFour) {
  Run(IdOf(OperationKind::Fill));
  EXPECT_EQ(desktop.Messages.at(0), NoPictureMessage());
  state.CurrentPicture = CreatePicture(4, 3);
  Run(IdOf(OperationKind::Fill));
  EXPECT_EQ(desktop.Messages.at(1), PictureTooSmallMessage());
  EXPECT_EQ(desktop.Events.size(), 2u);
}

TEST_F(Fixture, CancelledFillOrNoiseChangesNothingAndTakesNoSnapshot) {
  MakePicture(8, 8);
  Run(IdOf(OperationKind::Fill));
  Run(IdOf(OperationKind::Noise));
  EXPECT_EQ(desktop.Events, (Events{"color", "dialog"}));
  EXPECT_FALSE(state.UndoPicture);
  EXPECT_EQ(view.Rebuilds, 0);
}

TEST_F(Fixture, FillAsksAfterTheColourThenCoversEveryPixelExactly) {
  MakePicture(8, 8);
  state.CurrentBlendWeight = 10;
  desktop.Colors = {Orange};
  desktop.MessageAnswers = {MessageAnswer::Yes};
  Run(IdOf(OperationKind::Fill));
  EXPECT_EQ(desktop.Events, (Events{"color", "message:Click on yes for Full 100% Mix", "rebuild"}));
  EXPECT_EQ(desktop.Messages[0], FullMixQuestion());
  EXPECT_EQ(desktop.Messages[0].Icon, MessageIcon::None);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(test::PixelAt(*state.CurrentPicture, x, y), (Color{0xF0, 0x80, 0x20}));
  ASSERT_TRUE(state.UndoPicture);
  EXPECT_TRUE(test::PaintedPixels(*state.UndoPicture).empty());
}

TEST_F(Fixture, FillMixedUsesTheWeightTheLastShapeLeft) {
  MakePicture(8, 8);
  state.CurrentBlendWeight = 127;
  desktop.Colors = {0x00000000};
  desktop.MessageAnswers = {MessageAnswer::No};
  Run(IdOf(OperationKind::Fill));
  EXPECT_EQ(test::PixelAt(*state.CurrentPicture, 3, 3), (Color{128, 128, 128}));
}

TEST_F(Fixture, NoiseRunsWithoutTheReminderAndRepeatsForAFixedGerme) {
  MakePicture(16, 16);
  const auto noise = [this] {
    desktop.ScriptDialog([](Settings& s) {
      s.Noise.Percent = 20;
      s.Noise.Germe = 42;
      return true;
    });
    Run(IdOf(OperationKind::Noise));
  };
  noise();
  EXPECT_EQ(desktop.Events, (Events{"dialog", "busy", "rebuild"}));
  EXPECT_FALSE(test::PaintedPixels(*state.CurrentPicture).empty());
  const std::vector<std::uint8_t> first(state.CurrentPicture->Pixels(), state.CurrentPicture->Pixels() + state.CurrentPicture->ByteCount());
  Run(id::Undo);
  desktop.Time = 99999;
  noise();
  EXPECT_EQ(std::vector<std::uint8_t>(state.CurrentPicture->Pixels(), state.CurrentPicture->Pixels() + state.CurrentPicture->ByteCount()), first);
}

TEST_F(Fixture, NoiseOfPercentZeroLeavesPictureAndDisplayAlone) {
  MakePicture(16, 16);
  desktop.ScriptDialog([](Settings& s) {
    s.Noise.Percent = 0;
    return true;
  });
  Run(IdOf(OperationKind::Noise));
  EXPECT_EQ(desktop.Events, (Events{"dialog", "busy"}));
  EXPECT_EQ(view.Rebuilds, 0);
  EXPECT_TRUE(state.UndoPicture);
}

TEST_F(Fixture, EachShapeCommandPaintsItsRecordAndUndoRestores) {
  for (int command : {IdOf(OperationKind::Circle), IdOf(OperationKind::Rect), IdOf(OperationKind::Polygon), IdOf(OperationKind::Vector)}) {
    MakePicture(64, 64);
    desktop.ScriptDialog([](Settings& s) {
      s.Circle.Count = s.Rectangle.Count = s.Polygon.Count = s.Vector.Count = 5;
      return true;
    });
    desktop.InformationAnswers = {true};
    Run(command);
    EXPECT_EQ(desktop.Events, (Events{"dialog", "information", "busy", "rebuild"})) << command;
    EXPECT_FALSE(test::PaintedPixels(*state.CurrentPicture).empty()) << command;
    desktop.Store.clear();
    Run(id::Undo);
    EXPECT_TRUE(test::PaintedPixels(*state.CurrentPicture).empty()) << command;
  }
}

TEST_F(Fixture, ACircleCommandPaintsWhatTheGeneratorPaintsFromTheClockSeed) {
  MakePicture(64, 64);
  desktop.Time = 1234;
  desktop.Store["dontshowinformation1"] = 1;
  desktop.ScriptDialog([](Settings& s) {
    s.Circle.Count = 20;
    return true;
  });
  Run(IdOf(OperationKind::Circle));
  Picture expected = test::WhitePicture(64, 64);
  std::uint8_t weight = 255;
  RandomValue random;
  PaintContext paint{expected, true, weight, random, state.CurrentPalette, state.Settings.MixRange, [] { return false; }, [] { return 1234u; }};
  PaintCircles(paint, state.Settings.Circle);
  EXPECT_EQ(std::memcmp(expected.Pixels(), state.CurrentPicture->Pixels(), expected.ByteCount()), 0);
  EXPECT_EQ(state.CurrentBlendWeight, weight);
}

}  // namespace
}  // namespace tessmark

#include <filesystem>
#include <fstream>

#include "app/CommandIds.h"
#include "imageio/BmpFile.h"
#include "picture/Canvas.h"
#include "support/PictureProbe.h"
#include "support/TempFolder.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;
using Events = std::vector<std::string>;

struct PictureListCommandsTest : test::CommandFixture {
  test::TempFolder folder;

  // A solid blue BMP file of that size.
  std::string BluePicture(const char* name, int size) {
    Picture picture = test::WhitePicture(size, size);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) WritePixel({picture, false, 255}, x, y, Color{0, 0, 255});
    const std::string path = (folder.Path / name).string();
    const std::vector<std::uint8_t> bytes = *EncodeBmpFile(picture);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  void ScriptList(int command, PictureFiles files) {
    desktop.ScriptDialog([=](Settings& s) {
      (command == IdOf(OperationKind::Tag) ? s.Tag.PictureFiles : s.CircleMix.PictureFiles) = files;
      s.Tag.Count = 4;
      s.CircleMix.Count = 4;
      s.CircleMix.RadiusMin = 2;
      s.CircleMix.RadiusMax = 4;
      return true;
    });
  }
};

TEST_F(PictureListCommandsTest, TagAndCircleMixPaintFromTheirListedFiles) {
  for (int command : {IdOf(OperationKind::Tag), IdOf(OperationKind::CircleMix)}) {
    MakePicture(32, 32);
    ScriptList(command, {BluePicture("blue.bmp", 12)});
    desktop.Store["dontshowinformation1"] = 1;
    Run(command);
    EXPECT_EQ(desktop.Events, (Events{"dialog", "busy", "rebuild"})) << command;
    EXPECT_FALSE(test::PaintedPixels(*state.CurrentPicture).empty()) << command;
    EXPECT_TRUE(test::PaintedPixels(*state.UndoPicture).empty()) << command;
  }
}

// The seed comes from the clock once the files are in: a file gone by then no longer matters.
TEST_F(PictureListCommandsTest, TheClockIsReadAfterTheFilesAreLoaded) {
  for (int command : {IdOf(OperationKind::Tag), IdOf(OperationKind::CircleMix)}) {
    MakePicture(32, 32);
    const std::string path = BluePicture("blue.bmp", 12);
    ScriptList(command, {path});
    desktop.OnTimeRead = [&] { std::filesystem::remove(path); };
    Run(command);
    EXPECT_TRUE(desktop.Messages.empty()) << command;
    EXPECT_FALSE(test::PaintedPixels(*state.CurrentPicture).empty()) << command;
  }
}

TEST_F(PictureListCommandsTest, AFileThatCannotBeLoadedIsReportedAfterTheRunAndPaintsNothing) {
  MakePicture(32, 32);
  const std::string missing = (folder.Path / "missing.bmp").string();
  ScriptList(IdOf(OperationKind::Tag), {missing});
  Run(IdOf(OperationKind::Tag));
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Caption, "accessfile");
  EXPECT_NE(desktop.Messages[0].Text.find(missing), std::string::npos);
  EXPECT_EQ(desktop.MessagesWhileBusy, 0);
  EXPECT_EQ(desktop.Events.back(), "rebuild");
  EXPECT_TRUE(test::PaintedPixels(*state.CurrentPicture).empty());
  EXPECT_TRUE(state.UndoPicture);
}

}  // namespace
}  // namespace tessmark

#include "imageio/ui/PictureExportCommand.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "files/FileBytes.h"
#include "recipe/PngRecipe.h"
#include "recipe/Recipe.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;

struct PngExport : test::CommandFixture {
  test::TempFolder folder;

  void ExportAs(const std::string& name) {
    desktop.SaveNames = {folder.File(name)};
    Run(id::ExportPng);
  }
  // Decoded by Qt's own reader, independently of our encoder.
  bool FileHolds(const std::string& name, const Picture& picture) {
    const QImage image = QImage(QString::fromStdString(folder.File(name))).convertToFormat(QImage::Format_RGB888);
    if (image.width() != picture.Width || image.height() != picture.Height) return false;
    for (int y = 0; y < picture.Height; ++y)
      if (!std::equal(picture.Row(y), picture.Row(y) + picture.Width * 3, image.constScanLine(y))) return false;
    return true;
  }
  std::size_t FilesInFolder() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.Path), {}));
  }
};

TEST_F(PngExport, WritesThePictureItselfWhateverTheZoomAndAppendsPng) {
  state.CurrentPicture = test::PatternPicture(510, 7);
  for (const int zoom : {1, 3}) {
    state.View.Zoom = zoom;
    ExportAs("tile" + std::to_string(zoom));
    EXPECT_TRUE(FileHolds("tile" + std::to_string(zoom) + ".png", *state.CurrentPicture)) << zoom;
  }
  EXPECT_EQ(desktop.FileRequests[0].Filter, "*.png|*.png|");
  EXPECT_TRUE(desktop.FileRequests[0].PromptOverwrite);
  EXPECT_TRUE(desktop.Messages.empty());
}

TEST_F(PngExport, RefusesWithoutAPictureAndAsksBeforeTheAddedExtensionReplacesAFile) {
  Run(id::ExportPng);
  EXPECT_EQ(desktop.Messages, std::vector{NoPictureMessage()});
  state.CurrentPicture = test::PatternPicture(8, 8);
  test::WriteBytes(folder.File("old.png"), {1, 2, 3});
  ExportAs("old");
  EXPECT_EQ(desktop.Messages.back().Icon, MessageIcon::Exclamation);
  EXPECT_EQ(std::filesystem::file_size(folder.File("old.png")), 3u) << "No keeps the file";
}

TEST_F(PngExport, AFailedWriteNamesTheFileAndTheReasonAndLeavesNothing) {
  state.CurrentPicture = test::PatternPicture(8, 8);
  ExportAs("missing/out.png");
  EXPECT_EQ(desktop.Messages,
            std::vector{MainMessage("Cannot write " + folder.File("missing/out.png") + ": No such file or directory")});
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(PngExport, CarriesTheRecipeUnlessLeftOutOrItsStartHasNoFile) {
  state.CurrentPicture = test::PatternPicture(8, 8);
  const auto carried = [&](const std::string& name) {
    ExportAs(name);
    return ReadPngRecipe(ReadWholeFile(folder.File(name), 1 << 20).Bytes);
  };
  state.PictureRecipe = WhiteRecipe(8, 8);
  EXPECT_EQ(carried("with.png").Value, "--size 8x8\n");
  EXPECT_TRUE(FileHolds("with.png", *state.CurrentPicture));
  desktop.Store["pngwithoutrecipe"] = 1;
  EXPECT_EQ(carried("without.png").Error, "carries no recipe");
  desktop.Store.clear();
  state.PictureRecipe = TakenInRecipe(*state.CurrentPicture);
  EXPECT_EQ(carried("taken.png").Error, "carries no recipe");
  state.Journal = SessionJournal(folder.File("sessions"), "test");
  state.Journal.Keep(state.PictureRecipe, *state.CurrentPicture, 0);
  EXPECT_EQ(carried("kept.png").Value->rfind("--input sessions/starts/", 0), 0u) << "the journal's copy of the start";
}

}  // namespace
}  // namespace tessmark

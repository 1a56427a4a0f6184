#include "imageio/ui/PictureExportCommand.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "files/FileBytes.h"
#include "imageio/JpegDecoder.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;

struct JpegExport : test::CommandFixture {
  test::TempFolder folder;

  // Exports to the name typed in the save dialog.
  void ExportAs(const std::string& name) {
    desktop.SaveNames = {folder.File(name)};
    Run(id::ExportJpeg);
  }
  RgbImage Decoded(const std::string& name) { return DecodeJpegMemory(ReadWholeFile(folder.File(name), 1 << 24).Bytes); }
  std::size_t FilesInFolder() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.Path), {}));
  }
};

TEST_F(JpegExport, AsksForAJpgNameWithAnOverwritePrompt) {
  state.CurrentPicture = test::PatternPicture(4, 4);
  ExportAs("small");
  ASSERT_EQ(desktop.FileRequests.size(), 1u);
  EXPECT_EQ(desktop.FileRequests[0].Filter, "*.jpg|*.jpg|");
  EXPECT_TRUE(desktop.FileRequests[0].PromptOverwrite);
  const RgbImage image = Decoded("small.jpg");
  EXPECT_EQ(image.Width, 4);
  EXPECT_EQ(image.Height, 4);
  EXPECT_TRUE(desktop.Messages.empty());
}

TEST_F(JpegExport, KeepsAnyExtensionTheUserTyped) {
  state.CurrentPicture = test::PatternPicture(21, 13);
  ExportAs("sunset.JPG");
  ExportAs("sunset.png");
  EXPECT_EQ(Decoded("sunset.JPG").Width, 21);
  EXPECT_EQ(Decoded("sunset.png").Height, 13);
  EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(JpegExport, AsksBeforeTheAddedExtensionReplacesAFile) {
  state.CurrentPicture = test::PatternPicture(8, 8);
  ASSERT_EQ(WriteFileAtomically(folder.File("sunset.jpg"), std::vector<std::uint8_t>{1, 2, 3}), 0);
  ExportAs("sunset");
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Icon, MessageIcon::Exclamation);
  EXPECT_EQ(std::filesystem::file_size(folder.File("sunset.jpg")), 3u) << "No keeps the file";

  desktop.MessageAnswers = {MessageAnswer::Yes};
  ExportAs("sunset");
  EXPECT_EQ(Decoded("sunset.jpg").Width, 8);

  desktop.Messages.clear();
  ExportAs("sunset.jpg");
  EXPECT_TRUE(desktop.Messages.empty()) << "the dialog itself asked about this name";
}

TEST_F(JpegExport, ACancelledDialogWritesAndShowsNothing) {
  state.CurrentPicture = test::PatternPicture(8, 8);
  Run(id::ExportJpeg);
  EXPECT_EQ(desktop.Events, std::vector<std::string>{"save"});
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(JpegExport, AFileThatCannotBeWrittenSaysErreurExportationAndLeavesNothing) {
  state.CurrentPicture = test::PatternPicture(8, 8);
  ExportAs("no/such/folder/out.jpg");
  EXPECT_EQ(desktop.Messages, std::vector{MainMessage("Erreur exportation")});
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(JpegExport, NeedsAPictureOfAtLeastFourByFour) {
  Run(id::ExportJpeg);
  state.CurrentPicture = test::PatternPicture(4, 3);
  Run(id::ExportJpeg);
  EXPECT_EQ(desktop.Messages, (std::vector{NoPictureMessage(), PictureTooSmallMessage()}));
  EXPECT_TRUE(desktop.FileRequests.empty());
}

}  // namespace
}  // namespace tessmark

#include "imageio/ui/PictureFileImport.h"

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "imageio/BmpFile.h"
#include "imageio/JpegEncoder.h"
#include "imageio/PictureWrite.h"
#include "settings/Directories.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;

struct PictureFileImport : test::CommandFixture {
  test::TempFolder folder;
  Picture pattern = test::PatternPicture(20, 10);

  std::string Bmp(const std::string& name, const Picture& picture) {
    test::WriteBytes(folder.File(name), *EncodeBmpFile(picture));
    return folder.File(name);
  }
  void Open(const std::string& path) {
    desktop.OpenNames = {path};
    Run(id::ImportPictureFile);
  }
  // A 300 x 200 white picture, zoomed out and scrolled, with a 4 x 4 snapshot.
  void Start() {
    MakePicture(300, 200);
    state.UndoPicture = test::WhitePicture(4, 4);
    state.View.Zoom = 3;
    state.View.ScrollX = state.View.ScrollY = 50;
  }
  void ExpectUnchanged(const std::string& why) {
    EXPECT_EQ(state.CurrentPicture->Width, 300) << why;
    EXPECT_EQ(state.UndoPicture->Width, 4) << why;
    EXPECT_EQ(state.View.Zoom, 3) << why;
    EXPECT_EQ(view.Rebuilds + view.Layouts, 0) << why;
  }
};

TEST_F(PictureFileImport, TakesTheSnapshotSoAnnulerBringsTheOldPictureBackAndResetsTheView) {
  Start();
  Open(Bmp("a.BMP", pattern));
  EXPECT_TRUE(test::SamePixels(*state.CurrentPicture, pattern));
  EXPECT_EQ(desktop.Events, (std::vector<std::string>{"open", "layout", "rebuild"}));
  EXPECT_EQ(state.View.Zoom, 1);
  EXPECT_EQ(state.View.ScrollX + state.View.ScrollY, 0);
  Run(id::Undo);
  EXPECT_TRUE(test::SamePixels(*state.CurrentPicture, test::WhitePicture(300, 200)));

  std::vector<std::uint8_t> jpeg;
  ASSERT_TRUE(EncodeJpegMemory(jpeg, pattern.Pixels(), pattern.Width, pattern.Height));
  test::WriteBytes(folder.File("b.jpeg"), jpeg);
  Open(folder.File("b.jpeg"));
  EXPECT_EQ(state.CurrentPicture->Width, 20);
  EXPECT_TRUE(desktop.Messages.empty());
}

// So that a recipe export of what follows paints the imported picture's history too.
TEST_F(PictureFileImport, APngThatCarriesItsRecipeGoesOnFromIt) {
  Start();
  state.ProgramDirectory = ProgramDirectory();  // where the build keeps the PNG reader
  const std::string path = folder.File("r.png");
  ASSERT_EQ(WritePictureFile(path, pattern, FindPictureFormat(PictureFormatId::Png), {}, "--size 20x10\nrect:seed=9\n"), 0);
  Open(path);
  EXPECT_FALSE(state.PictureRecipe.Start.StartPicture);
  ASSERT_EQ(state.PictureRecipe.Steps.size(), 1u);
  EXPECT_EQ(state.PictureRecipe.Steps[0].Seed, 9u);
}

TEST_F(PictureFileImport, EachBadFileIsOneMessageAndChangesNothing) {
  Start();
  test::WriteBytes(folder.File("damaged.jpg"), {0xFF, 0xD8, 1, 2, 3});
  test::WriteBytes(folder.File("empty.bmp"), {});
  test::WriteBytes(folder.File("notes.txt"), {'h', 'i'});
  const std::vector<std::pair<std::string, std::string>> cases{
      {folder.File("none.png"), "Error openging file " + folder.File("none.png") + " error 2"},
      {folder.File("damaged.jpg"), folder.File("damaged.jpg") + " cannot be read: it is damaged, or too large a picture."},
      {folder.File("empty.bmp"), folder.File("empty.bmp") + " cannot be read: it is damaged, or too large a picture."},
      {Bmp("tiny.bmp", test::WhitePicture(3, 8)), "The picture should be have a minimum size 4,4"},
      {folder.File("notes.txt"),
       folder.File("notes.txt") + " cannot be opened: choose a .bmp, .png, .jpg or .jpeg picture file."}};
  for (const auto& [path, message] : cases) {
    desktop.Messages.clear();
    Open(path);
    ASSERT_EQ(desktop.Messages.size(), 1u) << path;
    EXPECT_EQ(desktop.Messages[0].Text, message);
    ExpectUnchanged(path);
  }
}

TEST_F(PictureFileImport, ADropOfOnePictureFileOpensItAndAnythingElseIsRefused) {
  Start();
  ImportDroppedFiles(context, {Bmp("a.bmp", pattern), Bmp("b.bmp", pattern)});
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Text, "Drop one file at a time: a .bmp, .png, .jpg or .jpeg picture file.");
  ImportDroppedFiles(context, {folder.File("a.txt")});
  EXPECT_EQ(desktop.Messages.size(), 2u);
  ExpectUnchanged("refused drops");
  ImportDroppedFiles(context, {folder.File("a.bmp")});
  EXPECT_TRUE(test::SamePixels(*state.CurrentPicture, pattern));
  EXPECT_EQ(state.UndoPicture->Width, 300);
}

}  // namespace
}  // namespace tessmark

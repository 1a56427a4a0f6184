#include "recipe/ui/RecipeExportCommand.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;

struct RecipeExport : test::CommandFixture {
  test::TempFolder folder;

  RecipeExport() {
    state.CurrentPicture = test::PatternPicture(12, 9);
    state.PictureRecipe = TakenInRecipe(*state.CurrentPicture);
  }
  void ExportAs(const std::string& name) {
    desktop.SaveNames = {folder.File(name)};
    Run(command_id::ExportRecipe);
  }
  std::size_t FilesInFolder() { return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder.Path), {})); }
};

TEST_F(RecipeExport, WritesTheRecipeAndTheStartPictureBesideIt) {
  ExportAs("tile");
  EXPECT_TRUE(desktop.Messages.empty());
  EXPECT_EQ(desktop.FileRequests.at(0).Filter, "*.txt|*.txt|");
  EXPECT_TRUE(fs::is_regular_file(folder.File("tile.txt")));
  EXPECT_TRUE(fs::is_regular_file(folder.File("tile-start.png")));
}

TEST_F(RecipeExport, AnUnknownStartIsRefusedBeforeANameIsAsked) {
  state.PictureRecipe.Start.Unknown = true;
  Run(command_id::ExportRecipe);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_NE(desktop.Messages[0].Text.find("not known"), std::string::npos);
  EXPECT_TRUE(desktop.FileRequests.empty());
}

TEST_F(RecipeExport, AFailedWriteNamesTheFileAndLeavesNeitherFile) {
  fs::create_directory(folder.File("tile.txt"));  // the recipe cannot replace a folder
  desktop.MessageAnswers = {MessageAnswer::Yes};   // replace it
  ExportAs("tile");
  ASSERT_EQ(desktop.Messages.size(), 2u);
  EXPECT_EQ(desktop.Messages[1].Text.rfind("Cannot write " + folder.File("tile.txt") + ": ", 0), 0u)
      << desktop.Messages[1].Text;
  EXPECT_FALSE(fs::exists(folder.File("tile-start.png")));
  EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
}  // namespace tessmark

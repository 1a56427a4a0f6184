#include "recipe/RecipePaths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessmark {
namespace {

TEST(RecipePaths, FilesUnderThePicturesFolderAreNamedFromItOthersWhole) {
  const struct {
    std::string Path, Folder, Spelt;
  } cases[] = {
      {"/pics/a.png", "/pics", "a.png"},
      {"/pics/sub/../stamps/b c.png", "/pics/", "stamps/b c.png"},
      {"/other/a.png", "/pics", "/other/a.png"},
      {"/pics2/a.png", "/pics", "/pics2/a.png"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PathFromFolder(c.Path, c.Folder), c.Spelt) << c.Path;
    EXPECT_EQ(PathInFolder(c.Spelt, c.Folder), std::filesystem::path(c.Path).lexically_normal().string());
  }
}

TEST(RecipePaths, OnlyInputAndFilesValuesAreSpeltAnew) {
  const auto spell = [](const std::string& path) { return "/d/" + path; };
  const std::vector<std::string> words{"--input",  "\"a b.png\"",  "--input=c.png",
                                       "tag:count=5,FILES=x.png;\"y;z.png\",seed=2", "circle:count=5", "--size",
                                       "8x8",      "tag:files=\"open"};
  const std::vector<std::string> spelt{"--input",  "\"/d/a b.png\"", "--input=/d/c.png",
                                       "tag:count=5,FILES=/d/x.png;\"/d/y;z.png\",seed=2", "circle:count=5",
                                       "--size",   "8x8",            "tag:files=\"open"};
  EXPECT_EQ(RespellPaths(words, spell), spelt);
}

}  // namespace
}  // namespace tessmark

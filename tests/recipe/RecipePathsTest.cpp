#include "recipe/RecipePaths.h"

#include <gtest/gtest.h>

namespace tessmark {
namespace {

TEST(RecipePaths, FilesUnderThePicturesFolderAreNamedFromItOthersWhole) {
  EXPECT_EQ(PathFromFolder("/pics/sub/../stamps/b.png", "/pics/"), "stamps/b.png");
  EXPECT_EQ(PathFromFolder("/pics2/a.png", "/pics"), "/pics2/a.png");
  EXPECT_EQ(PathInFolder("stamps/b.png", "/pics"), "/pics/stamps/b.png");
  EXPECT_EQ(PathInFolder("/pics2/a.png", "/pics"), "/pics2/a.png");
}

TEST(RecipePaths, OnlyInputAndFilesValuesAreSpeltAnew) {
  const auto spell = [](const std::string& path) { return "/d/" + path; };
  EXPECT_EQ(RespellPaths({"--input", "\"a b\"", "--input=c", "tag:count=5,FILES=x;\"y;z\",seed=2", "tag:files=\"open"},
                         spell),
            (std::vector<std::string>{"--input", "\"/d/a b\"", "--input=/d/c",
                                      "tag:count=5,FILES=/d/x;\"/d/y;z\",seed=2", "tag:files=\"open"}));
}

}  // namespace
}  // namespace tessmark

#include "settings/Directories.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/TempFolder.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;

EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
  return [variables = std::move(variables)](const std::string& name) -> std::optional<std::string> {
    const auto it = variables.find(name);
    if (it == variables.end()) return std::nullopt;
    return it->second;
  };
}

TEST(DataDirectoryBase, TakesTheFirstSetVariableOfTheChain) {
  const std::map<std::string, std::string> all{{"TessmarkPicture", "/pics"},   {"APPDATA", "/roaming"},
                                               {"LOCALAPPDATA", "/local"},     {"XDG_CONFIG_HOME", "/xdg"},
                                               {"HOME", "/home/u"}};
  const char* order[] = {"TessmarkPicture", "APPDATA", "LOCALAPPDATA", "XDG_CONFIG_HOME"};
  const char* expected[] = {"/pics", "/roaming", "/local", "/xdg", "/home/u/.config"};
  auto variables = all;
  for (std::size_t i = 0; i <= std::size(order); ++i) {
    EXPECT_EQ(DataDirectoryBase(Environment(variables)), expected[i]) << i;
    if (i < std::size(order)) variables.erase(order[i]);
  }
}

TEST(DataDirectoryBase, SkipsEmptyValuesAndARelativeXdgFolder) {
  EXPECT_EQ(DataDirectoryBase(Environment({{"TessmarkPicture", ""}, {"APPDATA", ""}, {"LOCALAPPDATA", "/l"}})), "/l");
  EXPECT_EQ(DataDirectoryBase(Environment({{"XDG_CONFIG_HOME", "rel"}, {"HOME", "/h/"}})), "/h/.config");
  EXPECT_EQ(DataDirectoryBase(Environment({{"HOME", ""}})), std::nullopt);
}

TEST(ResolveDataDirectory, CreatesBothFoldersBeneathTheChosenBase) {
  test::TempFolder folder;
  const std::string base = folder.File("pics");
  const DataDirectoryResult result =
      ResolveDataDirectory(Environment({{"TessmarkPicture", base}, {"APPDATA", folder.File("unused")}}));
  EXPECT_EQ(result.Path, base + "/Haldrune/TessmarkPicture/");
  EXPECT_FALSE(result.Message);
  EXPECT_TRUE(fs::is_directory(base + "/Haldrune/TessmarkPicture"));
  EXPECT_FALSE(fs::exists(folder.File("unused")));
  // A second start finds everything in place and says nothing.
  EXPECT_EQ(ResolveDataDirectory(Environment({{"TessmarkPicture", base + "/"}})).Path, result.Path);
}

TEST(ResolveDataDirectory, AsksForTheVariableWhenTheEnvironmentNamesNoFolder) {
  const DataDirectoryResult result = ResolveDataDirectory(Environment({}));
  EXPECT_EQ(result.Path, "");
  ASSERT_TRUE(result.Message);
  EXPECT_EQ(result.Message->Text, "Please specify directory in 'TessmarkPicture' environment");
  EXPECT_EQ(result.Message->Icon, MessageIcon::Stop);
}

TEST(ResolveDataDirectory, AnUncreatableFolderStillGivesThePath) {
  test::TempFolder folder;
  const std::string file = folder.File("a-file");
  test::WriteBytes(file, {1});
  EXPECT_EQ(ResolveDataDirectory(Environment({{"APPDATA", file}})).Path, file + "/Haldrune/TessmarkPicture/");
}

TEST(ProgramDirectory, IsTheFolderOfTheExecutableWithItsSeparator) {
  EXPECT_EQ(ProgramDirectoryOf("/opt/tessmark/bin/vornade"), "/opt/tessmark/bin/");
  EXPECT_EQ(ProgramDirectoryOf("/vornade"), "/");
  EXPECT_EQ(ProgramDirectoryOf("vornade"), "./");
  const std::string running = ProgramDirectory();
  ASSERT_FALSE(running.empty());
  EXPECT_EQ(running.back(), '/');
  EXPECT_TRUE(fs::exists(running + "core_tests"));
}

}  // namespace
}  // namespace tessmark

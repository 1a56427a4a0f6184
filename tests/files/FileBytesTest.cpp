#include "files/FileBytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace tessmark {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
  fs::path path = fs::temp_directory_path() / ("tessmark-files-" + std::to_string(::getpid()));
  TempFolder() { fs::create_directories(path); }
  ~TempFolder() { fs::remove_all(path); }
};

TEST(ReadWholeFile, ReportsMissingFilesFoldersAndOversizedFiles) {
  TempFolder folder;
  EXPECT_EQ(ReadWholeFile((folder.path / "none").string(), 10).Error, ENOENT);
  EXPECT_EQ(ReadWholeFile(folder.path.string(), 10).Error, EISDIR);
  const std::string big = (folder.path / "big").string();
  std::ofstream(big) << std::string(11, 'x');
  EXPECT_EQ(ReadWholeFile(big, 10).Error, EFBIG);
  EXPECT_EQ(ReadWholeFile(big, 11).Bytes.size(), 11u);
}

}  // namespace
}  // namespace tessmark

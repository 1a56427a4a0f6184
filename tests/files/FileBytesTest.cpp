#include "files/FileBytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// Read in place up to the size the file claims, and on past it for files that claim none.
TEST(ReadWholeFile, ReadsLargeFilesWholeAndFilesOfUnknownSize) {
  TempFolder folder;
  const std::string large = (folder.path / "large").string();
  std::string text(3 << 20, 'a');
  text.back() = 'z';
  std::ofstream(large) << text;
  const BasicFileBytes<LargeBytes> file = ReadWholeLargeFile(large, text.size());
  EXPECT_TRUE(std::equal(file.Bytes.begin(), file.Bytes.end(), text.begin(), text.end()));
  EXPECT_EQ(ReadWholeLargeFile(large, text.size() - 1).Error, EFBIG);
  const FileBytes status = ReadWholeFile("/proc/self/status", 1 << 20);
  EXPECT_EQ(status.Error, 0);
  EXPECT_EQ(std::string(status.Bytes.begin(), status.Bytes.begin() + 5), "Name:");
}

}  // namespace
}  // namespace tessmark

#include "files/FileBatch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "files/AtomicFile.h"
#include "files/FileBytes.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST(FileBatch, AFailedRenameTakesBackTheFilesAlreadyPlaced) {
  test::TempFolder folder;
  const std::string kept = folder.File("kept.txt"), added = folder.File("added.png"), taken = folder.File("taken");
  ASSERT_EQ(WriteFileAtomically(kept, Bytes{1}), 0);
  const Bytes content{7, 7};
  FileBatch batch;
  ASSERT_EQ(batch.Add(kept, WritingBytes(content)), 0);
  ASSERT_EQ(batch.Add(added, WritingBytes(content)), 0);
  // Its name is taken by a folder after the checks, so only its rename fails.
  ASSERT_EQ(batch.Add(taken,
                      [&](FileSink& sink) {
                        fs::create_directory(taken);
                        sink.Write(content);
                        return true;
                      }),
            0);
  EXPECT_EQ(batch.Commit(), EISDIR);
  EXPECT_EQ(batch.FailedPath(), taken);
  EXPECT_EQ(ReadWholeFile(kept, 100).Bytes, Bytes{1});
  EXPECT_FALSE(fs::exists(added));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path), {}), 2);
}

}  // namespace
}  // namespace tessmark

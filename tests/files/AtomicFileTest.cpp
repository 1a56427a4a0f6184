#include "files/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "files/FileBytes.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::size_t Entries(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

mode_t Mode(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0);
  return info.st_mode & 07777;
}

TEST(WriteFileAtomically, ReplacesTheFileWholeAndLeavesNoTemporaryBehind) {
  test::TempFolder folder;
  const std::string target = folder.File("a.bin");
  const Bytes first{1, 2, 3}, second{9, 8};
  ASSERT_EQ(WriteFileAtomically(target, first), 0);
  ASSERT_EQ(WriteFileAtomically(target, second), 0);
  EXPECT_EQ(ReadWholeFile(target, 100).Bytes, second);
  EXPECT_EQ(Entries(folder.Path), 1u);
}

TEST(WriteFileAtomically, WritesNamesUpToTheLongestTheFolderAllows) {
  test::TempFolder folder;
  const std::string target = folder.File(std::string(250, 'a') + ".bmp");
  ASSERT_EQ(WriteFileAtomically(target, Bytes{4, 2}), 0);
  EXPECT_EQ(ReadWholeFile(target, 100).Bytes, (Bytes{4, 2}));
  EXPECT_EQ(Entries(folder.Path), 1u);
}

TEST(WriteFileAtomically, FailsWithoutLeavingAnythingWhenTheFolderIsMissingOrTheProducerGivesUp) {
  test::TempFolder folder;
  EXPECT_EQ(WriteFileAtomically(folder.File("missing/a.bin"), Bytes{1}), ENOENT);
  const std::string target = folder.File("a.bin");
  ASSERT_EQ(WriteFileAtomically(target, Bytes{1, 2}), 0);
  EXPECT_EQ(WriteFileAtomically(target,
                                [](FileSink& sink) {
                                  sink.Write(Bytes(1 << 20, 7));
                                  return false;
                                }),
            ECANCELED);
  EXPECT_EQ(ReadWholeFile(target, 100).Bytes, (Bytes{1, 2}));
  EXPECT_EQ(Entries(folder.Path), 1u);
}

TEST(WriteFileAtomically, SyncsTheFolderAfterTheRenameAndReportsItsFailure) {
  test::TempFolder folder;
  const std::string target = folder.File("a.bin");
  ASSERT_EQ(WriteFileAtomically(target, Bytes{1}), 0);
  std::vector<Bytes> seenByFolderSync;
  int folderError = 0;
  const WriteHooks hooks{.Sync = [&](int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISDIR(info.st_mode)) return SyncDescriptor(fd);
    seenByFolderSync.push_back(ReadWholeFile(target, 100).Bytes);
    return folderError;
  }};
  ASSERT_EQ(WriteFileAtomically(target, WritingBytes(Bytes{2}), hooks), 0);
  EXPECT_EQ(seenByFolderSync, std::vector<Bytes>{{2}});
  folderError = EIO;
  EXPECT_EQ(WriteFileAtomically(target, WritingBytes(Bytes{3}), hooks), EIO);
  EXPECT_EQ(Entries(folder.Path), 1u);
}

TEST(WriteFileAtomically, GivesNewFilesTheUmasksModeAndKeepsTheModeOfReplacedOnes) {
  test::TempFolder folder;
  const mode_t previous = ::umask(077);
  const int error = WriteFileAtomically(folder.File("private"), Bytes{1});
  ::umask(previous);
  ASSERT_EQ(error, 0);
  EXPECT_EQ(Mode(folder.File("private")), 0600u);
  ASSERT_EQ(::chmod(folder.File("private").c_str(), 0640), 0);
  ASSERT_EQ(WriteFileAtomically(folder.File("private"), Bytes{2}), 0);
  EXPECT_EQ(Mode(folder.File("private")), 0640u);
}

TEST(WriteFileAtomically, WritesTheFileALinkPointsToAndKeepsTheLink) {
  test::TempFolder folder;
  fs::create_directory(folder.Path / "real");
  ASSERT_EQ(WriteFileAtomically(folder.File("real/picture.bmp"), Bytes{1}), 0);
  fs::create_symlink("real/picture.bmp", folder.Path / "link.bmp");
  ASSERT_EQ(WriteFileAtomically(folder.File("link.bmp"), Bytes{5, 6}), 0);
  EXPECT_TRUE(fs::is_symlink(folder.Path / "link.bmp"));
  EXPECT_EQ(ReadWholeFile(folder.File("real/picture.bmp"), 100).Bytes, (Bytes{5, 6}));
  EXPECT_EQ(Entries(folder.Path / "real"), 1u);
}

// Root may write anything, so as root the check runs again as an unprivileged user, from a copy of
// this program in a folder that user can reach. The leak checker's suppressions file stays with
// the parent: it may lie where that user cannot read it.
void RunAsNobody(const std::string& testName) {
  char pattern[] = "/tmp/tessmark-nobody-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path scratch = pattern;
  fs::create_directory(scratch / "tmp");
  fs::permissions(scratch, fs::perms(0755));
  fs::permissions(scratch / "tmp", fs::perms(01777));
  fs::copy_file("/proc/self/exe", scratch / "tests");
  fs::permissions(scratch / "tests", fs::perms(0755));
  const std::string command = "env -u LSAN_OPTIONS TMPDIR=" + (scratch / "tmp").string() +
                              " setpriv --reuid=65534 --regid=65534 --clear-groups " + (scratch / "tests").string() +
                              " --gtest_filter=" + testName + " 2>&1";
  std::string output;
  if (FILE* child = ::popen(command.c_str(), "r")) {
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, child)) > 0;) output.append(chunk, n);
    EXPECT_EQ(::pclose(child), 0) << output;
  }
  EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
  fs::remove_all(scratch);
}

TEST(WriteFileAtomically, RefusesAndLeavesAloneAFileTheUserCouldNotOpenForWriting) {
  if (::geteuid() == 0) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    RunAsNobody(std::string(test->test_suite_name()) + "." + test->name());
    return;
  }
  test::TempFolder folder;
  const std::string target = folder.File("locked.gpal");
  ASSERT_EQ(WriteFileAtomically(target, Bytes{1, 2, 3}), 0);
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  EXPECT_EQ(WriteFileAtomically(target, Bytes{9}), EACCES);
  EXPECT_EQ(ReadWholeFile(target, 100).Bytes, (Bytes{1, 2, 3}));
  EXPECT_EQ(Mode(target), 0444u);
  EXPECT_EQ(Entries(folder.Path), 1u);
}

}  // namespace
}  // namespace tessmark

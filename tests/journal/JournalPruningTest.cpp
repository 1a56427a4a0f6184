#include "journal/JournalPruning.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "journal/JournalFolder.h"
#include "journal/SessionLock.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;

struct Journal {
  test::TempFolder folder;
  std::string Add(std::int64_t started, std::size_t bytes, const std::string& start = {}) {
    const std::string name = EntryName(started, 1, 0);
    fs::create_directories(EntryPath(folder.Path, name));
    const std::string startLine = start.empty() ? "--size 8x8" : "--input " + start;
    test::WriteText(EntryPath(folder.Path, name, journal_file::Recipe),
                    "# Picture: 8x8\n" + startLine + "\n" + std::string(bytes, '#') + "\n# Steps: 0\n");
    return name;
  }
};

TEST(JournalPruning, OldestGoFirstBeyondTheCountOrTheBytesButNeverALockedOne) {
  Journal j;
  const std::string lockedOldest = j.Add(1, 10);
  const SessionLock held(EntryPath(j.folder.Path, lockedOldest, journal_file::Lock));
  for (int i = 2; i <= 6; ++i) j.Add(i, 10);
  PruneJournal(j.folder.Path, {3, 1 << 20});
  EXPECT_EQ(ListEntries(j.folder.Path),
            (std::vector<std::string>{EntryName(6, 1, 0), EntryName(5, 1, 0), EntryName(4, 1, 0), lockedOldest}));
  j.Add(7, 3000);
  PruneJournal(j.folder.Path, {30, 3060});  // the newest alone takes 3038 bytes
  EXPECT_EQ(ListEntries(j.folder.Path), (std::vector<std::string>{EntryName(7, 1, 0), lockedOldest}));
}

TEST(JournalPruning, StartPicturesGoWithTheLastEntryThatNamesThemUnlessJustWritten) {
  Journal j;
  fs::create_directories(StartsFolder(j.folder.Path));
  const std::string kept = StartsFolder(j.folder.Path) + "/kept.png", orphan = StartsFolder(j.folder.Path) + "/orphan.png",
                    fresh = StartsFolder(j.folder.Path) + "/fresh.png";
  for (const std::string& path : {kept, orphan, fresh}) test::WriteText(path, "png");
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(kept, old);
  fs::last_write_time(orphan, old);
  j.Add(1, 0, kept);
  PruneJournal(j.folder.Path, {});
  EXPECT_TRUE(fs::exists(kept));
  EXPECT_TRUE(fs::exists(fresh));
  EXPECT_FALSE(fs::exists(orphan));
}

}  // namespace
}  // namespace tessmark

#include "app/SessionKeeping.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "journal/JournalFolder.h"
#include "journal/SessionLock.h"
#include "support/PictureProbe.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;

TEST(SessionKeeping, ANewPictureClosesTheSessionAndExitLeavesNothingToTell) {
  test::TempFolder data;
  Workspace w;
  w.DataDirectory = data.Path.string();
  StartJournal(w);
  StartNewPicture(w, test::WhitePicture(8, 8));
  KeepSession(w, 100);
  const std::string first = w.Journal.Entry();
  StartNewPicture(w, test::WhitePicture(9, 9));
  KeepSession(w, 101);
  EXPECT_NE(w.Journal.Entry(), first);
  EXPECT_TRUE(fs::exists(EntryPath(w.Journal.Folder(), first, journal_file::Ended)));
  const std::string folder = w.Journal.Folder();
  EndSession(w);
  KeepSession(w, 102);
  EXPECT_EQ(ListEntries(folder).size(), 2u);
  EXPECT_FALSE(TakeUnexpectedEnd(folder));
}

TEST(SessionKeeping, AnUnexpectedEndIsToldOnceAndNeverOfALiveSession) {
  test::TempFolder data;
  const std::string folder = SessionsFolder(data.Path.string());
  for (int started : {1, 2}) fs::create_directories(EntryPath(folder, EntryName(started, 1, 0)));
  const SessionLock live(EntryPath(folder, EntryName(2, 1, 0), journal_file::Lock));
  EXPECT_TRUE(TakeUnexpectedEnd(folder));
  EXPECT_FALSE(TakeUnexpectedEnd(folder));
}

}  // namespace
}  // namespace tessmark

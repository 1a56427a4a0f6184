#include "journal/SessionJournal.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "journal/JournalEntry.h"
#include "journal/JournalFolder.h"
#include "journal/SessionLock.h"
#include "journal/StepReplay.h"
#include "recipe/Operation.h"
#include "support/PaintFixture.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;

// A session as the desktop makes it: steps run through their rows with a clock seed, then recorded.
struct JournalledSession {
  test::TempFolder data;
  SessionJournal journal{data.File("sessions"), "vornade test"};
  Recipe recipe = WhiteRecipe(48, 32);
  Picture picture = test::WhitePicture(48, 32);
  Settings settings;
  std::uint8_t weight = 255;
  RandomValue random;

  void Paint(OperationKind kind, std::int32_t count, std::uint32_t seed) {
    if (const auto countOf = RowOf(kind).Count) *countOf(settings) = count;
    OperationStep step;
    step.Kind = kind;
    step.Records = settings;
    PaintContext context{picture, true, weight, random, step.Palette, settings.MixRange, [] { return false; },
                         [seed] { return seed; }};
    RowOf(kind).Run(context, step, {});
    RecordRun(recipe, kind, settings, step.Palette, seed, context.ShapesPainted);
    journal.Keep(recipe, picture, 1700000000);
  }
  std::string Entry() const { return EntryPath(journal.Folder(), journal.Entry()); }
};

TEST(SessionJournal, EntryRepaintsThePictureStepByStepAndIsLockedUntilClosed) {
  JournalledSession s;
  s.Paint(OperationKind::Circle, 40, 7);
  s.Paint(OperationKind::Rect, 12, 8);
  const Parsed<JournalEntry> entry = ReadJournalEntry(s.journal.Folder(), s.journal.Entry());
  ASSERT_TRUE(entry) << entry.Error;
  EXPECT_EQ(entry.Value->Steps.size(), 2u);
  EXPECT_EQ(entry.Value->Shapes, 52);
  Parsed<Picture> again = EntryStartPicture(*entry.Value, {});
  ASSERT_TRUE(again);
  std::uint8_t weight = 255;
  RandomValue random;
  ReplayHooks hooks{weight, random, [] { return false; }, {}, {}};
  for (const OperationStep& step : entry.Value->Steps) RunRecordedStep(*again.Value, step, hooks);
  EXPECT_TRUE(test::SamePixels(*again.Value, s.picture));

  const std::string entryFolder = s.Entry();
  EXPECT_TRUE(IsLocked(entryFolder + "/lock"));
  s.journal.Close();
  EXPECT_FALSE(IsLocked(entryFolder + "/lock"));
  EXPECT_TRUE(fs::exists(entryFolder + "/ended"));
}

TEST(SessionJournal, ProgressRecordCarriesTheRunUntilTheRecipeOvertakesIt) {
  JournalledSession s;
  s.Paint(OperationKind::Circle, 5, 1);
  Recipe running;
  RecordRun(running, OperationKind::Polygon, s.settings, {}, 99, 321);
  EXPECT_FALSE(s.journal.ProgressDue(10000));  // the first poll of a run starts its clock
  EXPECT_FALSE(s.journal.ProgressDue(10999));
  ASSERT_TRUE(s.journal.ProgressDue(11000));
  s.journal.RecordProgress(1, running.Steps.back(), 11000);
  Parsed<JournalEntry> entry = ReadJournalEntry(s.journal.Folder(), s.journal.Entry());
  ASSERT_TRUE(entry && entry.Value->CutOff);
  EXPECT_EQ(WriteOperation(entry.Value->Steps.back()), WriteOperation(running.Steps.back()));
  s.Paint(OperationKind::Rect, 3, 2);
  entry = ReadJournalEntry(s.journal.Folder(), s.journal.Entry());
  EXPECT_FALSE(entry.Value->CutOff);
  EXPECT_EQ(entry.Value->Steps.back().Kind, OperationKind::Rect);
}

TEST(SessionJournal, IdenticalStartPicturesAreStoredOnce) {
  test::TempFolder data;
  SessionJournal journal(data.File("sessions"), "vornade test");
  const Picture start = test::PatternPicture(20, 10);
  for (int session = 0; session < 2; ++session) {
    journal.Keep(TakenInRecipe(start), start, 1700000000 + session);
    journal.Close();
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(data.File("sessions/starts")), fs::directory_iterator()), 1);
  const Recipe recipe = TakenInRecipe(start);
  EXPECT_TRUE(fs::exists(*journal.StartCopy(recipe)));
}

TEST(SessionJournal, AFolderThatCannotBeWrittenIsToldOnce) {
  test::TempFolder data;
  test::WriteText(data.File("file"), "in the way");
  SessionJournal journal(data.File("file/sessions"), "vornade test");
  const Picture picture = test::WhitePicture(8, 8);
  journal.Keep(WhiteRecipe(8, 8), picture, 1);
  ASSERT_TRUE(journal.TakeFailure());
  journal.Keep(WhiteRecipe(8, 8), picture, 2);
  EXPECT_FALSE(journal.TakeFailure());
}

}  // namespace
}  // namespace tessmark

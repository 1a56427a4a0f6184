// What the session journal costs the interface thread: a run's progress record (taken at most once
// a second while a run paints; it must stay well under a millisecond), and keeping the recipe and
// thumbnail of a large picture after a command.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "journal/SessionJournal.h"
#include "palette/Palette.h"

namespace tessmark {
namespace {

struct BenchFolder {
  std::filesystem::path Path = std::filesystem::temp_directory_path() / ("journal-bench-" + std::to_string(::getpid()));
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Path, ignored);
  }
};

// The largest step a record holds: a full palette and long picture lists.
Settings HeavySettings(Palette& palette) {
  Settings settings;
  palette.AllColor = false;
  AddRandomColors(palette, PaletteCapacity, 1);
  for (int i = 0; i < 64; ++i) settings.Tag.PictureFiles.push_back("/home/artist/stamps/stamp number " + std::to_string(i) + ".png");
  settings.Circle.Count = 0;
  return settings;
}

void ProgressRecord(benchmark::State& state) {
  BenchFolder folder;
  SessionJournal journal(folder.Path.string(), "bench");
  Picture picture = *CreatePicture(64, 64);
  journal.Keep(WhiteRecipe(64, 64), picture, 1);
  Palette palette;
  const Settings settings = HeavySettings(palette);
  std::int64_t now = 0;
  journal.ProgressDue(now);
  for (auto _ : state) {
    now += 1000;
    if (!journal.ProgressDue(now)) state.SkipWithError("no record due");
    Recipe running;
    RecordRun(running, OperationKind::Circle, settings, palette, 7, now);
    journal.RecordProgress(0, running.Steps.back(), now);
  }
  if (journal.TakeFailure()) state.SkipWithError("the journal could not be written");
}

// The poll every shape makes between records.
void ProgressPoll(benchmark::State& state) {
  BenchFolder folder;
  SessionJournal journal(folder.Path.string(), "bench");
  Picture picture = *CreatePicture(8, 8);
  journal.Keep(WhiteRecipe(8, 8), picture, 1);
  std::int64_t now = 0;
  for (auto _ : state) benchmark::DoNotOptimize(journal.ProgressDue(++now % 1000));
}

void KeepAfterCommand(benchmark::State& state) {
  BenchFolder folder;
  SessionJournal journal(folder.Path.string(), "bench");
  const auto side = static_cast<std::int32_t>(state.range(0));
  Picture picture = *CreatePicture(side, side);
  Recipe recipe = WhiteRecipe(side, side);
  Palette palette;
  const Settings settings = HeavySettings(palette);
  for (auto _ : state) {
    RecordRun(recipe, OperationKind::Circle, settings, palette, 7, 1000);  // a new step: a write each time
    journal.Keep(recipe, picture, 1);
  }
  if (journal.TakeFailure()) state.SkipWithError("the journal could not be written");
}

BENCHMARK(ProgressRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(ProgressPoll)->Unit(benchmark::kNanosecond);
BENCHMARK(KeepAfterCommand)->Arg(512)->Arg(8192)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace tessmark

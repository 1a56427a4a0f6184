#include "cli/PaintSession.h"

#include <utility>

#include "cli/Help.h"
#include "cli/ReadFailure.h"
#include "recipe/OperationTable.h"

namespace tessmark::cli {
namespace {

bool Connectable(const PaintSession& session) { return session.Step.Records.Config.Connectable != 0; }

// Ctrl+C stands for the desktop program's Escape key. The first poll, which every generator makes
// and ignores before its first shape, neither counts a shape nor stops the run.
EscapePoll InterruptPoll(const RunEnvironment& environment, Progress& progress, bool& stopped) {
  return [&environment, &progress, &stopped, first = true]() mutable {
    const bool wasFirst = std::exchange(first, false);
    if (!wasFirst) progress.Shape();
    const bool stop = environment.StopRequested();
    stopped |= stop && !wasFirst;
    return stop;
  };
}

// Runs the step's operation with its progress on the terminal and Ctrl+C for Escape.
OperationOutcome RunWatched(const OperationRow& row, PaintSession& session) {
  OperationStep& step = session.Step;
  const RunEnvironment& environment = session.Environment;
  bool stopped = false;
  std::int64_t painted = 0;
  const OperationOutcome outcome = [&] {
    Progress progress(environment.Errors, environment.ErrorsIsTerminal, environment.Steady, std::string(row.Name),
                      row.Count && *row.Count(step.Records) <= 0);
    PaintContext context{.Target = session.Target,
                         .Connectable = Connectable(session),
                         .CurrentBlendWeight = session.CurrentBlendWeight,
                         .Random = session.Random,
                         .Palette = step.Palette,
                         .MixRange = step.Records.MixRange,
                         .EscapePressed = InterruptPoll(environment, progress, stopped),
                         .Seed = [seed = *step.Seed] { return seed; },
                         .Recolor = session.Recolor,
                         .Maps = session.Maps,
                         .Workers = session.Workers};
    const OperationOutcome answer = row.Run(context, step, environment.ProgramDirectory);
    painted = context.ShapesPainted;
    return answer;
  }();
  session.ShapesPainted = painted;
  // So that count=N repeats what was painted.
  if (stopped) environment.Errors << "tessmark: " << row.Name << " stopped after " << painted << " shapes\n";
  return outcome;
}

}  // namespace

std::string RunOperation(const Operation& operation, std::uint32_t seed, PaintSession& session) {
  OperationStep& step = session.Step;
  ApplyOperation(operation, step);
  if (!step.Seed) step.Seed = seed;
  const OperationRow& row = RowOf(step.Kind);
  // A picture file that cannot be loaded is an error here, where the desktop program would show
  // its message and paint nothing.
  if (row.Files && row.Files(step.Records)->empty()) {
    return Concat(row.Name, " has no picture files: give ", row.Name, ":files=", PictureFilesExample());
  }
  const std::optional<SourceLoadFailure> failure = RunWatched(row, session).Failure;
  if (!failure) return {};
  return CannotRead(failure->Path, PictureReason(failure->Fault, failure->Error));
}

}  // namespace tessmark::cli

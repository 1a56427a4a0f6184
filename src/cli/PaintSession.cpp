#include "cli/PaintSession.h"

#include <utility>

#include "cli/ReadFailure.h"
#include "paint/Fill.h"
#include "paint/Generators.h"
#include "paint/Noise.h"
#include "paint/PictureGenerators.h"

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

template <class Generator, class Params>
auto RunShapes(PaintSession& session, Generator generator, const Params& params) {
  const RunEnvironment& environment = session.Environment;
  const std::string_view name = OperationName(session.Step.Kind);
  bool stopped = false;
  std::int64_t painted = 0;
  const auto result = [&] {
    Progress progress(environment.Errors, environment.ErrorsIsTerminal, environment.Steady, std::string(name),
                      params.Count <= 0);
    PaintContext context{.Target = session.Target,
                         .Connectable = Connectable(session),
                         .CurrentBlendWeight = session.CurrentBlendWeight,
                         .Random = session.Random,
                         .Palette = session.Step.Palette,
                         .MixRange = session.Step.Records.MixRange,
                         .EscapePressed = InterruptPoll(environment, progress, stopped),
                         .Seed = [seed = *session.Step.Seed] { return seed; }};
    auto answer = generator(context, params);
    painted = context.ShapesPainted;
    return answer;
  }();
  // So that count=N repeats what was painted.
  if (stopped) environment.Errors << "tessmark: " << name << " stopped after " << painted << " shapes\n";
  return result;
}

// A shape generator with an answer, like those over picture files.
template <class Params> auto Answering(void (*paint)(PaintContext&, const Params&)) {
  return [paint](PaintContext& context, const Params& params) {
    paint(context, params);
    return true;
  };
}

// The generators that stamp picture files: a file that cannot be loaded is an error here, where
// the desktop program would show its message and paint nothing.
template <class Generator, class Params>
std::string RunPictureShapes(PaintSession& session, Generator generator, const Params& params) {
  const std::string_view name = OperationName(session.Step.Kind);
  if (params.PictureFiles.empty()) return Concat(name, " has no picture files: give ", name, ":files=a.png;b.jpg");
  const std::string& programDirectory = session.Environment.ProgramDirectory;
  const std::optional<SourceLoadFailure> failure =
      RunShapes(session, [&](PaintContext& c, const Params& p) { return generator(c, p, programDirectory); }, params);
  if (!failure) return {};
  return CannotRead(failure->Path, PictureReason(failure->Fault, failure->Error));
}

}  // namespace

std::string RunOperation(const Operation& operation, std::uint32_t seed, PaintSession& session) {
  OperationStep& step = session.Step;
  ApplyOperation(operation, step);
  if (!step.Seed) step.Seed = seed;
  const Settings& records = step.Records;
  switch (step.Kind) {
    case OperationKind::Circle:
      RunShapes(session, Answering(PaintCircles), records.Circle);
      break;
    case OperationKind::Rect:
      RunShapes(session, Answering(PaintRectangles), records.Rectangle);
      break;
    case OperationKind::Polygon:
      RunShapes(session, Answering(PaintPolygons), records.Polygon);
      break;
    case OperationKind::Vector:
      RunShapes(session, Answering(PaintVectors), records.Vector);
      break;
    case OperationKind::CircleMix:
      return RunPictureShapes(session, PaintCircleMix, records.CircleMix);
    case OperationKind::Tag: {
      const ColorRef key = records.CurrentBlendColor;
      return RunPictureShapes(
          session,
          [key](PaintContext& c, const TagParams& p, const std::string& directory) { return PaintTags(c, p, key, directory); },
          records.Tag);
    }
    case OperationKind::Fill:
      FillPicture(session.Target, step.FillColor, step.FillFull, Connectable(session),
                  step.FillWeight.value_or(session.CurrentBlendWeight));
      break;
    case OperationKind::Noise:
      NoiseFilter(session.Target, records.Noise, session.Random, *step.Seed);
      break;
  }
  return {};
}

}  // namespace tessmark::cli

#include "cli/PaintSession.h"

#include <utility>

#include "paint/Fill.h"
#include "paint/Generators.h"
#include "paint/Noise.h"
#include "paint/PictureGenerators.h"

namespace tessmark::cli {
namespace {

std::uint32_t SeedOf(const PaintSession& session) {
  return session.FixedSeed ? *session.FixedSeed : session.Environment.Clock();
}

bool Connectable(const PaintSession& session) { return session.Records.Config.Connectable != 0; }

// Ctrl+C stands for the desktop program's Escape key; each poll after the first (which every
// generator makes, and ignores, before its first shape) also counts a shape for the progress line.
EscapePoll InterruptPoll(const RunEnvironment& environment, Progress& progress) {
  return [&environment, &progress, first = true]() mutable {
    if (!std::exchange(first, false)) progress.Shape();
    return environment.StopRequested();
  };
}

template <class Generator, class Params>
auto RunShapes(PaintSession& session, const Operation& operation, Generator generator, const Params& params) {
  const RunEnvironment& environment = session.Environment;
  Progress progress(environment.Errors, environment.ErrorsIsTerminal, environment.Steady, operation.Name);
  PaintContext context{.Target = session.Target,
                       .Connectable = Connectable(session),
                       .CurrentBlendWeight = session.CurrentBlendWeight,
                       .Random = session.Random,
                       .Palette = session.Palette,
                       .MixRange = session.Records.MixRange,
                       .EscapePressed = InterruptPoll(environment, progress),
                       .Seed = [seed = SeedOf(session)] { return seed; }};
  return generator(context, params);
}

// The generators that stamp picture files: a file that cannot be loaded is an error here, where
// the desktop program would show its message and paint nothing.
template <class Generator, class Params>
std::string RunPictureShapes(PaintSession& session, const Operation& operation, Generator generator,
                             const Params& params) {
  if (params.PictureFiles.empty()) {
    return Concat(operation.Name, " has no picture files: give ", operation.Name, ":files=a.png;b.jpg");
  }
  const std::string& programDirectory = session.Environment.ProgramDirectory;
  const std::optional<SourceLoadFailure> failure = RunShapes(
      session, operation, [&](PaintContext& c, const Params& p) { return generator(c, p, programDirectory); }, params);
  if (!failure) return {};
  if (failure->Message) return failure->Message->Text;
  return Concat("cannot read ", failure->Path, " as a .bmp, .png or .jpg picture");
}

}  // namespace

std::string RunOperation(const Operation& operation, PaintSession& session) {
  ApplyAssignments(operation, session.Records);
  Settings& records = session.Records;
  switch (operation.Kind) {
    case OperationKind::Circle:
      RunShapes(session, operation, PaintCircles, records.Circle);
      break;
    case OperationKind::Rect:
      RunShapes(session, operation, PaintRectangles, records.Rectangle);
      break;
    case OperationKind::Polygon:
      RunShapes(session, operation, PaintPolygons, records.Polygon);
      break;
    case OperationKind::Vector:
      RunShapes(session, operation, PaintVectors, records.Vector);
      break;
    case OperationKind::CircleMix:
      return RunPictureShapes(session, operation, PaintCircleMix, records.CircleMix);
    case OperationKind::Tag: {
      const ColorRef key = records.CurrentBlendColor;
      return RunPictureShapes(
          session, operation,
          [key](PaintContext& c, const TagParams& p, const std::string& directory) { return PaintTags(c, p, key, directory); },
          records.Tag);
    }
    case OperationKind::Fill:
      FillPicture(session.Target, operation.FillColor, operation.FillFull, Connectable(session),
                  session.CurrentBlendWeight);
      break;
    case OperationKind::Noise:
      NoiseFilter(session.Target, records.Noise, session.Random, SeedOf(session));
      break;
  }
  return {};
}

}  // namespace tessmark::cli

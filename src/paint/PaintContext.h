#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "paint/MapLayer.h"
#include "paint/RandomValue.h"
#include "paint/WorkerPool.h"
#include "palette/Palette.h"
#include "picture/Canvas.h"
#include "picture/Picture.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// Answers whether Escape was pressed since the previous poll.
using EscapePoll = std::function<bool()>;

// Gives a run's seed. It is asked as painting starts, after a generator has loaded its picture
// files, so that a slow load does not shift a seed read from the clock.
using SeedSource = std::function<std::uint32_t()>;

// What one generator run paints with. The caller owns every piece; the blend weight is the
// caller's lasting value, since a later fill mixes with the weight the last shape left.
struct PaintContext {
  Picture& Target;
  bool Connectable;
  std::uint8_t& CurrentBlendWeight;
  RandomValue& Random;
  const tessmark::Palette& Palette;
  tessmark::MixRange MixRange;
  EscapePoll EscapePressed;
  SeedSource Seed;  // the clock in whole seconds, unless a test or the command line fixes it
  // Shapes the run has gone through, those circle mix skips included, so that a run stopped by
  // Escape is repeated by this count.
  std::int64_t ShapesPainted = 0;
  // Asked after every shape, just before the Escape poll: true when that poll is about to show the
  // picture, so shapes held back must be painted first. None: only the end of the run needs them.
  std::function<bool()> PictureWanted = {};
  // Other colours for the shapes on Target by the map rule (recolouring); none: those drawn.
  const MapColors* Recolor = nullptr;
  // Pictures painted with the same shapes, each in its own colours.
  std::span<MapLayer> Maps = {};
  // Threads that paint bands of the pictures while this one draws; none: this thread does it all.
  WorkerPool* Workers = nullptr;

  Canvas ShapeCanvas() const { return {Target, Connectable, CurrentBlendWeight}; }
};

// Draws the next shape's mixage percentage and sets CurrentBlendWeight from it. Percentages
// above 100 count as 100.
void ShapeBlendWeight(PaintContext& context);

// The weight for a mixage percentage: p * 255 / 100 truncated, p above 100 taken as 100.
std::uint8_t BlendWeightForPercent(std::int32_t percent);

// Seeds the random source, then paints shapes until count of them are done (count > 0) or the
// Escape poll says stop, which is asked after every shape. paintOne may hold shapes back:
// paintHeld paints them, before the picture is shown and at the end.
template <class PaintOne, class PaintHeld>
void RepeatShapes(PaintContext& context, std::int32_t count, PaintOne&& paintOne, PaintHeld&& paintHeld) {
  context.Random.Seed(context.Seed());
  for (std::int64_t n = 1;; ++n) {
    paintOne();
    context.ShapesPainted = n;
    if (context.PictureWanted && context.PictureWanted()) paintHeld();
    if (context.EscapePressed() || (count > 0 && n >= count)) {
      paintHeld();
      return;
    }
  }
}

template <class PaintOne> void RepeatShapes(PaintContext& context, std::int32_t count, PaintOne&& paintOne) {
  RepeatShapes(context, count, paintOne, [] {});
}

}  // namespace tessmark

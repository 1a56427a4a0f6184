#pragma once

#include <optional>
#include <string>

#include "imageio/PictureSources.h"
#include "paint/PaintContext.h"
#include "picture/Color.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// The generators that take their colours from picture files rather than the palette. Each one
// discards an Escape press from before the run, then loads every listed file (PNG files through
// the plug-in in programDirectory). When a file fails, nothing is painted and the failure comes
// back for the caller to show; otherwise it seeds the random source from the context and paints
// params.Count shapes (until Escape for a count of 0 or less) and returns nothing.

// Discs cut from random places of random sources, laid at random places fading towards the rim:
// centre x, centre y, source, mix (when MixeMax > MixeMin), radius (when RadiusMax > RadiusMin),
// then, for a disc that fits inside its source, source centre x, y and the blend weight.
std::optional<SourceLoadFailure> PaintCircleMix(PaintContext& context, const CircleMixParams& params,
                                                const std::string& programDirectory);

// The frame both share: discard an earlier Escape press, load every source, and call paint with
// them only when all loaded and there is something to paint on.
template <class Paint>
std::optional<SourceLoadFailure> RunPictureGenerator(PaintContext& context, const PictureFiles& files,
                                                     const std::string& programDirectory, Paint&& paint) {
  context.EscapePressed();
  const PictureSources sources = LoadPictureSources(files, programDirectory);
  if (sources.Failure) return sources.Failure;
  if (!sources.Pictures.empty() && context.Target.Width > 0 && context.Target.Height > 0) paint(sources.Pictures);
  return std::nullopt;
}

// Whole sources stamped with their alpha at random corners of the polygon generator's region,
// skipping source pixels of the key colour (0x00BBGGRR, NoColorRef for none): corner x, corner y,
// source, blend weight.
std::optional<SourceLoadFailure> PaintTags(PaintContext& context, const TagParams& params, ColorRef keyColor,
                                           const std::string& programDirectory);

}  // namespace tessmark

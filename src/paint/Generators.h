#pragma once

#include "paint/PaintContext.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// The shape generators. Each one discards an Escape press from before the run, seeds the random
// source from the context and paints params.Count shapes (all of them until Escape when the count
// is 0 or less). The random draws of every shape come in a fixed order, so a seed fixes the picture.

// Discs: radius, centre x, centre y, colour, blend weight.
void PaintCircles(PaintContext& context, const CircleParams& params);

// Axis-aligned filled rectangles: corner x, corner y, width, height, colour, blend weight.
void PaintRectangles(PaintContext& context, const RectangleParams& params);

// Star-shaped polygons around a random centre: centre x, centre y, then a radius and an angular
// step per vertex until the angle reaches 360 degrees, colour, blend weight.
void PaintPolygons(PaintContext& context, const PolygonParams& params);

// Thick strokes drawn as turned rectangles: direction, start x, start y, length, width, colour,
// blend weight.
void PaintVectors(PaintContext& context, const VectorParams& params);

}  // namespace tessmark

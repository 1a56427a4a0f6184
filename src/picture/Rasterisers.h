#pragma once

#include <cstdint>
#include <span>

#include "picture/Canvas.h"
#include "picture/LoadedPicture.h"

namespace tessmark {

// Every pixel with x0 <= x < x1 and y0 <= y < y1.
void FillRectangle(const Canvas& canvas, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, Color c);

// Every pixel (cx + dx, cy + dy) with dx^2 + dy^2 < radius^2.
void DrawDisc(const Canvas& canvas, std::int64_t cx, std::int64_t cy, std::int64_t radius, Color c);

// A line from (x0, y0) towards (x1, y1), end point excluded; a sloped line is drawn in two passes
// (along x, then along y), so pixels both passes reach are written twice.
void DrawLine(const Canvas& canvas, Color c, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1);

// Even-odd crossing test of (px, py) against the closed polygon.
bool PointInPolygon(std::span<const std::int32_t> xs, std::span<const std::int32_t> ys, std::int32_t px,
                    std::int32_t py);

// The closed outline, or the pixels of the bounding box that pass PointInPolygon.
void DrawPolygon(const Canvas& canvas, std::span<const Point> points, Color c, bool fill);

// Lays the whole source with its top-left pixel at (x0, y0), each pixel by its alpha and then by the
// canvas weight; source pixels of the key colour (0x00BBGGRR, NoColorRef for none) are skipped.
void StampPicture(const Canvas& canvas, std::int32_t x0, std::int32_t y0, const LoadedPicture& source, ColorRef key);

// Lays the disc of the source centred at (srcX, srcY) over the disc centred at (destX, destY),
// fading from mixPercent % of the source alpha at the centre to nothing at the rim.
void StampDiscSample(const Canvas& canvas, std::int32_t destX, std::int32_t destY, const LoadedPicture& source,
                     std::int32_t srcX, std::int32_t srcY, std::int32_t radius, std::int32_t mixPercent);

// Double to integer toward zero, saturated where a wild shape leaves the 32-bit range.
std::int32_t TruncateToInt32(double v);

}  // namespace tessmark

#include "paint/RowBands.h"

#include <algorithm>

#include "picture/Canvas.h"

namespace tessmark {
namespace {

// Below this a picture stays in the last-level cache, or near enough, and gains nothing.
constexpr std::uint64_t SmallestBanded = std::uint64_t{32} << 20;
// A band's pages and lines stay cached while its shapes are painted; the taller it is, the fewer
// shapes land on two bands and are visited twice.
constexpr std::int64_t BandBytes = std::int64_t{4} << 20;
// Shared bands: enough of them for every thread to find work until a batch ends, none so thin that
// most shapes land on several (a 2048-row picture gets bands of 128 rows, where a disc of the usual
// sizes lands on one band; with 32 rows it landed on two or three, and each costs it a visit).
constexpr std::int32_t SharedBands = 16;
constexpr std::int32_t SharedBandRows = 8;

}  // namespace

RowBands::RowBands(const Picture& picture, bool connectable, std::size_t layers)
    : RowBands(picture, connectable,
               picture.ByteCount() * layers < SmallestBanded
                   ? picture.Height
                   : static_cast<std::int32_t>(std::clamp<std::int64_t>(
                         BandBytes / (std::int64_t{picture.Width} * 3 * static_cast<std::int64_t>(layers)), 1, picture.Height))) {}

RowBands::RowBands(const Picture& picture, bool connectable, std::int32_t bandRows)
    : width_(picture.Width), height_(picture.Height), connectable_(connectable) {
  if (width_ <= 0 || height_ <= 0 || bandRows <= 0) return;
  rows_ = std::min(bandRows, height_);
  count_ = (height_ + rows_ - 1) / rows_;
}

RowBands RowBands::Shared(const Picture& picture, bool connectable, std::size_t layers) {
  const std::int64_t rowBytes = std::max<std::int64_t>(std::int64_t{picture.Width} * 3 * static_cast<std::int64_t>(layers), 1);
  const std::int64_t rows = std::max<std::int64_t>((picture.Height + SharedBands - 1) / SharedBands, SharedBandRows);
  return RowBands(picture, connectable, static_cast<std::int32_t>(std::min(rows, std::max<std::int64_t>(BandBytes / rowBytes, 1))));
}

std::int32_t RowBands::EndRow(std::int32_t band) const { return std::min(height_, (band + 1) * rows_); }

bool RowBands::Holds(const ShapeBounds& bounds) const {
  return !Whole() && bounds.Rows <= std::min<std::int64_t>(height_ / 2, 4 * std::int64_t{rows_}) && bounds.Columns <= width_;
}

std::int64_t RowBands::Area(const ShapeBounds& bounds) const {
  return std::max<std::int64_t>(bounds.Rows, 0) * std::clamp<std::int64_t>(bounds.Columns, 0, width_);
}

RowBands::Run RowBands::BandsOf(const ShapeBounds& bounds) const {
  if (bounds.Rows <= 0) return {};
  if (connectable_) {
    if (bounds.Rows >= height_) return {0, count_};
    const std::int64_t first = WrapCoordinate64(bounds.Y, height_);
    const std::int64_t last = first + bounds.Rows - 1;
    const auto firstBand = static_cast<std::int32_t>(first / rows_);
    const std::int64_t bands = last < height_ ? last / rows_ - firstBand + 1 : count_ - firstBand + (last - height_) / rows_ + 1;
    return {firstBand, static_cast<std::int32_t>(std::min<std::int64_t>(bands, count_))};
  }
  const std::int64_t first = std::max<std::int64_t>(bounds.Y, 0);
  const std::int64_t last = std::min<std::int64_t>(bounds.Y + bounds.Rows, height_) - 1;
  if (first > last) return {};
  return {static_cast<std::int32_t>(first / rows_), static_cast<std::int32_t>(last / rows_ - first / rows_ + 1)};
}

void ForEachSharedBand(WorkerPool* workers, const Picture& picture,
                       const std::function<void(std::int32_t, std::int32_t)>& paintRows) {
  if (workers == nullptr || workers->Threads() == 1) {
    paintRows(0, picture.Height);
    return;
  }
  const RowBands bands = RowBands::Shared(picture, false);
  RunParts(workers, bands.Count(), [&](std::int32_t band) { paintRows(bands.FirstRow(band), bands.EndRow(band)); });
}

}  // namespace tessmark

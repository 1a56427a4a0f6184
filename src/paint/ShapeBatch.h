#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "paint/RowBands.h"
#include "picture/Canvas.h"

namespace tessmark {

// A shape whose random draws are all made: where it may write, how to paint it on a canvas, and
// the bytes PaintOn keeps beyond its own size (a polygon's vertices), which holding it back costs.
template <class Paint> struct DrawnShape {
  ShapeBounds Bounds;
  Paint PaintOn;
  std::size_t HeldBytes = 0;
};

template <class Paint> DrawnShape<Paint> Drawn(const ShapeBounds& bounds, Paint paint, std::size_t heldBytes = 0) {
  return {bounds, std::move(paint), heldBytes};
}

// Shapes held back and then painted band by band, each band taking its share of every shape in
// the order the shapes were drawn. Each pixel lies in one band, so it sees the same writes in the
// same order as when the shapes are painted one by one, and ends the same. On a picture too large
// for the caches every shape lands on rows nobody touched lately; a band of them stays cached
// while all its shapes are painted.
template <class Paint> class ShapeBatch {
 public:
  ShapeBatch(Picture& picture, bool connectable) : ShapeBatch(picture, connectable, RowBands(picture, connectable)) {}
  ShapeBatch(Picture& picture, bool connectable, const RowBands& bands)
      : picture_(picture), connectable_(connectable), bands_(bands), bandShapes_(static_cast<std::size_t>(bands.Count())) {}

  // Holds the shape back, to be painted with the weight given, or (painting what is held first)
  // paints it straight away.
  void Add(DrawnShape<Paint>&& shape, std::uint8_t weight) {
    if (!bands_.Holds(shape.Bounds)) {
      PaintHeld();
      shape.PaintOn(Canvas{picture_, connectable_, weight});
      return;
    }
    const RowBands::Run run = bands_.BandsOf(shape.Bounds);
    if (run.Count == 0) return;  // it writes nothing
    // One copy of the shape, however many bands it lands on.
    const std::size_t index = held_.size();
    held_.push_back({std::move(shape.PaintOn), weight});
    for (std::int32_t k = 0; k < run.Count; ++k) {
      bandShapes_[static_cast<std::size_t>((run.First + k) % bands_.Count())].push_back(index);
    }
    heldBytes_ += sizeof(Held) + shape.HeldBytes + static_cast<std::size_t>(run.Count) * sizeof(index);
    area_ += static_cast<double>(bands_.Area(shape.Bounds));
    if (area_ >= PassesPerBatch * static_cast<double>(picture_.Width) * picture_.Height ||
        heldBytes_ >= picture_.ByteCount() / 8) {
      PaintHeld();
    }
  }

  // Paints every shape held back.
  void PaintHeld() {
    if (held_.empty()) return;
    for (std::int32_t band = 0; band < bands_.Count(); ++band) {
      std::vector<std::size_t>& shapes = bandShapes_[static_cast<std::size_t>(band)];
      for (const std::size_t index : shapes) {
        const Held& h = held_[index];
        h.PaintOn(Canvas{picture_, connectable_, h.Weight, bands_.FirstRow(band), bands_.EndRow(band)});
      }
      shapes.clear();
    }
    held_.clear();
    heldBytes_ = 0;
    area_ = 0;
  }

 private:
  struct Held {
    Paint PaintOn;
    std::uint8_t Weight;
  };

  // Shapes are held until their area comes to this many passes over the picture: the more, the
  // more often each band's lines are written while cached. Held shapes take memory, though: at
  // most an eighth of the picture's, counting all they keep.
  static constexpr double PassesPerBatch = 2;

  Picture& picture_;
  bool connectable_;
  RowBands bands_;
  std::vector<Held> held_;  // in the order drawn
  std::vector<std::vector<std::size_t>> bandShapes_;  // for each band, the held shapes landing on it
  std::size_t heldBytes_ = 0;
  double area_ = 0;
};

}  // namespace tessmark

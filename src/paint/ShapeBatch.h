#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "paint/RowBands.h"
#include "picture/Canvas.h"

namespace tessmark {

// A shape whose random draws are all made: where it may write, and how to paint it on a canvas.
template <class Paint> struct DrawnShape {
  ShapeBounds Bounds;
  Paint PaintOn;
};

template <class Paint> DrawnShape<Paint> Drawn(const ShapeBounds& bounds, Paint paint) {
  return {bounds, std::move(paint)};
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
      : picture_(picture), connectable_(connectable), bands_(bands), held_(static_cast<std::size_t>(bands.Count())) {}

  // Holds the shape back, to be painted with the weight given, or (painting what is held first)
  // paints it straight away.
  void Add(DrawnShape<Paint>&& shape, std::uint8_t weight) {
    if (!bands_.Holds(shape.Bounds)) {
      PaintHeld();
      shape.PaintOn(Canvas{picture_, connectable_, weight});
      return;
    }
    // Each band keeps its own copy, so that painting it reads its shapes one after another.
    const RowBands::Run run = bands_.BandsOf(shape.Bounds);
    for (std::int32_t k = 0; k < run.Count; ++k) {
      held_[static_cast<std::size_t>((run.First + k) % bands_.Count())].push_back({shape.PaintOn, weight});
    }
    heldCopies_ += static_cast<std::size_t>(run.Count);
    area_ += static_cast<double>(bands_.Area(shape.Bounds));
    if (area_ >= PassesPerBatch * static_cast<double>(picture_.Width) * picture_.Height ||
        heldCopies_ * sizeof(Held) >= picture_.ByteCount() / 8) {
      PaintHeld();
    }
  }

  // Paints every shape held back.
  void PaintHeld() {
    if (heldCopies_ == 0) return;
    for (std::int32_t band = 0; band < bands_.Count(); ++band) {
      std::vector<Held>& held = held_[static_cast<std::size_t>(band)];
      for (const Held& h : held) {
        h.PaintOn(Canvas{picture_, connectable_, h.Weight, bands_.FirstRow(band), bands_.EndRow(band)});
      }
      held.clear();
    }
    heldCopies_ = 0;
    area_ = 0;
  }

 private:
  struct Held {
    Paint PaintOn;
    std::uint8_t Weight;
  };

  // Shapes are held until their area comes to this many passes over the picture: the more, the
  // more often each band's lines are written while cached. Held shapes take memory, though: at
  // most an eighth of the picture's.
  static constexpr double PassesPerBatch = 2;

  Picture& picture_;
  bool connectable_;
  RowBands bands_;
  std::vector<std::vector<Held>> held_;  // for each band
  std::size_t heldCopies_ = 0;
  double area_ = 0;
};

}  // namespace tessmark

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "paint/LayerPass.h"
#include "paint/MapLayer.h"
#include "paint/RowBands.h"
#include "paint/WorkerPool.h"
#include "picture/Canvas.h"

namespace tessmark {

// A shape whose random draws are all made: where it may write, how to paint it on a canvas of a
// layer, and the bytes PaintOn keeps beyond its own size (a polygon's vertices), which holding it
// back costs.
template <class Paint> struct DrawnShape {
  ShapeBounds Bounds;
  Paint PaintOn;
  std::size_t HeldBytes = 0;
};

template <class Paint> DrawnShape<Paint> Drawn(const ShapeBounds& bounds, Paint paint, std::size_t heldBytes = 0) {
  return {bounds, std::move(paint), heldBytes};
}

// Shapes held back, each once, with the bands each lands on.
template <class Paint> struct HeldShapes {
  struct Held {
    Paint PaintOn;
    std::uint8_t Weight;
  };

  std::vector<Held> Shapes;  // in the order drawn
  std::vector<std::vector<std::size_t>> BandShapes;  // for each band, the held shapes landing on it
  std::size_t Bytes = 0;  // all they keep
  double Area = 0;

  void Hold(DrawnShape<Paint>&& shape, std::uint8_t weight, const RowBands& bands, RowBands::Run run) {
    const std::size_t index = Shapes.size();
    Shapes.push_back({std::move(shape.PaintOn), weight});
    for (std::int32_t k = 0; k < run.Count; ++k) {
      BandShapes[static_cast<std::size_t>((run.First + k) % bands.Count())].push_back(index);
    }
    Bytes += sizeof(Held) + shape.HeldBytes + static_cast<std::size_t>(run.Count) * sizeof(index);
    Area += static_cast<double>(bands.Area(shape.Bounds));
  }

  // Touches nothing but the band's own rows and list, so bands may be painted side by side; the
  // band's rows stay cached while its shapes are painted.
  void PaintBand(const LayerPass& layers, const RowBands& bands, std::int32_t band) {
    std::vector<std::size_t>& shapes = BandShapes[static_cast<std::size_t>(band)];
    const Held* held = Shapes.data();
    LayerPass pass = layers.InRows(bands.FirstRow(band), bands.EndRow(band));
    if constexpr (PaintsEveryLayer<Paint>) {
      for (const std::size_t index : shapes) held[index].PaintOn.OnEveryLayer(pass, held[index].Weight);
    } else {
      for (std::size_t k = 0; k < pass.Count(); ++k) {
        for (const std::size_t index : shapes) held[index].PaintOn(pass.On(k, held[index].Weight), pass.Layer(k));
      }
    }
    shapes.clear();
  }

  void Clear() {
    Shapes.clear();
    Bytes = 0;
    Area = 0;
  }
};

// Shapes held back and then painted band by band, each band taking its share of every shape in
// the order the shapes were drawn. Each pixel lies in one band, so it sees the same writes in the
// same order as when the shapes are painted one by one, and ends the same. On a picture too large
// for the caches every shape lands on rows nobody touched lately; a band of them stays cached
// while all its shapes are painted. With workers, the bands of one batch are painted on them
// while the caller draws the next. Every shape goes on every layer, band by band too.
template <class Paint> class ShapeBatch {
 public:
  ShapeBatch(std::span<const PaintLayer> layers, bool connectable, WorkerPool* workers = nullptr)
      : ShapeBatch(layers, connectable, BandsFor(layers, connectable, workers), workers) {}
  ShapeBatch(std::span<const PaintLayer> layers, bool connectable, const RowBands& bands, WorkerPool* workers = nullptr)
      : layers_(layers, connectable), picture_(*layers.front().Target), bands_(bands),
        workers_(Shares(workers) ? workers : nullptr) {
    drawing_.BandShapes.resize(static_cast<std::size_t>(bands.Count()));
    painting_.BandShapes.resize(static_cast<std::size_t>(bands.Count()));
  }
  ShapeBatch(const ShapeBatch&) = delete;
  ShapeBatch& operator=(const ShapeBatch&) = delete;

  // A run ended by an exception must not leave workers painting shapes about to be destroyed;
  // what they threw gives way to the exception already on its way.
  ~ShapeBatch() {
    if (workers_ == nullptr) return;
    try {
      workers_->Finish();
    } catch (...) {
    }
  }

  // Holds the shape back, to be painted with the weight given, or (painting what is held first)
  // paints it straight away.
  void Add(DrawnShape<Paint>&& shape, std::uint8_t weight) {
    if (!bands_.Holds(shape.Bounds)) {
      PaintHeld();
      PaintAtOnce(shape.PaintOn, shape.Bounds, weight);
      return;
    }
    const RowBands::Run run = bands_.BandsOf(shape.Bounds);
    if (run.Count == 0) return;  // it writes nothing
    drawing_.Hold(std::move(shape), weight, bands_, run);
    if (drawing_.Area >= PassesPerBatch * static_cast<double>(picture_.Width) * picture_.Height ||
        drawing_.Bytes + painting_.Bytes >= picture_.ByteCount() / 8) {
      Pass();
    }
  }

  // Paints every shape held back, and returns once they are all on the picture.
  void PaintHeld() {
    Pass();
    Settle();
  }

 private:
  static bool Shares(const WorkerPool* workers) { return workers != nullptr && workers->Threads() > 1; }
  static RowBands BandsFor(std::span<const PaintLayer> layers, bool connectable, const WorkerPool* workers) {
    const Picture& picture = *layers.front().Target;
    return Shares(workers) ? RowBands::Shared(picture, connectable, layers.size()) : RowBands(picture, connectable, layers.size());
  }

  // Paints the batch drawn, or hands it to the workers once they are done with the one before.
  void Pass() {
    if (drawing_.Shapes.empty()) return;
    if (workers_ == nullptr) {
      for (std::int32_t band = 0; band < bands_.Count(); ++band) drawing_.PaintBand(layers_, bands_, band);
      drawing_.Clear();
      return;
    }
    Settle();
    std::swap(drawing_, painting_);
    workers_->Start([this](std::int32_t band) { painting_.PaintBand(layers_, bands_, band); }, bands_.Count());
  }

  void Settle() {
    if (workers_ == nullptr) return;
    workers_->Finish();
    painting_.Clear();
  }

  // A shape too large to hold is still painted band by band when workers share the bands.
  void PaintAtOnce(const Paint& paint, const ShapeBounds& bounds, std::uint8_t weight) {
    if (workers_ == nullptr) {
      PaintOnLayers(paint, weight, layers_);
      return;
    }
    const RowBands::Run run = bands_.BandsOf(bounds);
    RunParts(workers_, run.Count, [&](std::int32_t k) {
      const std::int32_t band = (run.First + k) % bands_.Count();
      LayerPass pass = layers_.InRows(bands_.FirstRow(band), bands_.EndRow(band));
      PaintOnLayers(paint, weight, pass);
    });
  }

  // Shapes are held until their area comes to this many passes over the picture: the more, the
  // more often each band's lines are written while cached. Held shapes take memory, though: at
  // most an eighth of the picture's, counting all they keep in every batch not yet painted.
  static constexpr double PassesPerBatch = 2;

  LayerPass layers_;  // painted whole on the calling thread, copied by each band's
  const Picture& picture_;  // the first layer's; all have its size
  RowBands bands_;
  WorkerPool* workers_;
  HeldShapes<Paint> drawing_;
  HeldShapes<Paint> painting_;  // on the workers
};

}  // namespace tessmark

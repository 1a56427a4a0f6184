#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "paint/MapLayer.h"
#include "picture/Canvas.h"

namespace tessmark {

// The layers shapes are painted on, within the picture rows FirstRow ... EndRow - 1. The views of
// their pictures are taken once, and a thread painting a band takes its own copy of the whole, so
// that nothing it reads for every shape lies beside data the drawing thread writes.
class LayerPass {
 public:
  LayerPass(std::span<const PaintLayer> layers, bool connectable);

  // The same layers within the rows first ... end - 1.
  LayerPass InRows(std::int32_t first, std::int32_t end) const;

  std::size_t Count() const { return layers_.size(); }
  const PaintLayer& Layer(std::size_t k) const { return layers_[k]; }

  // Layer k's canvas for a shape drawn with this weight.
  Canvas On(std::size_t k, std::uint8_t weight) const {
    return {pictures_[k], connectable_, layers_[k].WeightOf(weight), firstRow_, endRow_};
  }

  // The first layer's canvas, painting every other layer in the same pass in colourOf(layer).
  template <class ColourOf> Canvas OnEvery(std::uint8_t weight, ColourOf&& colourOf) {
    for (std::size_t k = 1; k < layers_.size(); ++k) {
      also_[k - 1] = {pictures_[k], RunPattern(colourOf(layers_[k]), layers_[k].WeightOf(weight))};
    }
    Canvas canvas = On(0, weight);
    canvas.Also = also_;
    return canvas;
  }

 private:
  std::vector<PaintLayer> layers_;
  std::vector<PixelGrid> pictures_;
  bool connectable_;
  std::int32_t firstRow_ = 0;
  std::int32_t endRow_ = INT32_MAX;
  std::vector<AlsoPainted> also_;  // what the layers after the first take of the shape in hand
};

// A shape in one colour paints every layer in one pass, its outline worked out once; others
// (stamps) paint a layer at a time.
template <class Paint>
concept PaintsEveryLayer = requires(const Paint& paint, LayerPass& pass) { paint.OnEveryLayer(pass, std::uint8_t{}); };

template <class Paint> void PaintOnLayers(const Paint& paint, std::uint8_t weight, LayerPass& pass) {
  if constexpr (PaintsEveryLayer<Paint>) {
    paint.OnEveryLayer(pass, weight);
  } else {
    for (std::size_t k = 0; k < pass.Count(); ++k) paint(pass.On(k, weight), pass.Layer(k));
  }
}

}  // namespace tessmark

#include "paint/LayerPass.h"

namespace tessmark {

LayerPass::LayerPass(std::span<const PaintLayer> layers, bool connectable)
    : layers_(layers.begin(), layers.end()), connectable_(connectable), also_(layers.empty() ? 0 : layers.size() - 1) {
  for (const PaintLayer& layer : layers) pictures_.emplace_back(*layer.Target);
}

LayerPass LayerPass::InRows(std::int32_t first, std::int32_t end) const {
  LayerPass pass = *this;
  pass.firstRow_ = first;
  pass.endRow_ = end;
  return pass;
}

}  // namespace tessmark

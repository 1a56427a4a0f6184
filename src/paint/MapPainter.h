#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>
#include <utility>
#include <vector>

#include "paint/MapLayer.h"
#include "paint/ShapeBatch.h"

namespace tessmark {

// A shape's painting with the colour of one picture settled.
template <class Paint> struct InColor {
  Paint PaintIn;
  Color Rgb;
  void operator()(const Canvas& canvas) const { PaintIn(canvas, Rgb); }
};

// Paints the shapes of a run on its maps on a thread of its own while the run draws and paints
// its picture, so that a map costs little more than its share of memory bandwidth. The shapes are
// painted in the order they were drawn, so each map ends the same whatever the threads do.
template <class Paint> class MapPainter {
 public:
  MapPainter(std::span<MapLayer> maps, bool connectable) : maps_(maps) {
    if (maps.empty()) return;
    for (MapLayer& layer : maps) batches_.emplace_back(layer.Target, connectable);
    worker_ = std::thread([this] { Work(); });
  }
  MapPainter(const MapPainter&) = delete;
  MapPainter& operator=(const MapPainter&) = delete;
  ~MapPainter() {
    if (!worker_.joinable()) return;
    Finish();
    {
      const std::lock_guard lock(mutex_);
      closing_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }

  void Add(const ShapeBounds& bounds, const DrawnColor& color, const Paint& paint, std::uint8_t weight) {
    if (maps_.empty()) return;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queued_.size() < MaxQueued; });
    queued_.push_back({bounds, color, paint, weight});
    if (queued_.size() >= Handover) changed_.notify_all();
  }

  // Returns once every shape added is painted on the maps.
  void Finish() {
    if (maps_.empty()) return;
    std::unique_lock lock(mutex_);
    ++finishRequests_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return finished_ == finishRequests_; });
  }

 private:
  struct Queued {
    ShapeBounds Bounds;
    DrawnColor Color;
    Paint PaintIn;
    std::uint8_t Weight;
  };

  // Shapes go to the worker this many at a time; at most MaxQueued wait, which bounds the memory
  // of a run until Escape.
  static constexpr std::size_t Handover = 1024;
  static constexpr std::size_t MaxQueued = 16 * Handover;

  void Work() {
    std::vector<Queued> taken;
    for (;;) {
      std::uint64_t finishing = 0;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return closing_ || queued_.size() >= Handover || finishRequests_ > finished_; });
        if (closing_ && queued_.empty()) return;
        taken.swap(queued_);
        finishing = finishRequests_;
      }
      changed_.notify_all();  // room in the queue again
      for (Queued& shape : taken) Paint1(shape);
      taken.clear();
      if (finishing > finished_) FinishTo(finishing);
    }
  }

  void Paint1(const Queued& shape) {
    for (std::size_t k = 0; k < batches_.size(); ++k) {
      const MapLayer& layer = maps_[k];
      batches_[k].Add(Drawn(shape.Bounds, InColor<Paint>{shape.PaintIn, ColorOnMap(layer.Colors, shape.Color)}),
                      layer.FullWeight ? std::uint8_t{255} : shape.Weight);
    }
  }

  // The caller of Finish waits meanwhile, so nothing comes in before the batches are painted.
  void FinishTo(std::uint64_t request) {
    for (ShapeBatch<InColor<Paint>>& batch : batches_) batch.PaintHeld();
    {
      const std::lock_guard lock(mutex_);
      finished_ = request;
    }
    changed_.notify_all();
  }

  std::span<MapLayer> maps_;
  std::vector<ShapeBatch<InColor<Paint>>> batches_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Queued> queued_;
  std::uint64_t finishRequests_ = 0;
  std::uint64_t finished_ = 0;
  bool closing_ = false;
  std::thread worker_;
};

}  // namespace tessmark

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "paint/GeneratorSteps.h"
#include "paint/ShapeBatch.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

using PaintShape = std::function<void(const Canvas&, const PaintLayer&)>;
using PaintInColour = std::function<void(const Canvas&, Color)>;
using ColouredShape = InLayerColor<PaintInColour>;

// Shapes of every rasteriser that cross the edges, overlap one another, are taller or wider than
// the picture or empty, at weights from none to full; the first four are huge, and counted.
std::vector<std::pair<DrawnShape<ColouredShape>, std::uint8_t>> MixedColouredShapes(std::int32_t size) {
  std::vector<std::pair<DrawnShape<ColouredShape>, std::uint8_t>> shapes;
  RandomValue random(99);
  const std::uint8_t weights[] = {255, 127, 0, 40};
  for (int i = 0; i < 160; ++i) {
    const std::int32_t x = random.Next() % (3 * size) - size, y = random.Next() % (3 * size) - size;
    const std::int32_t r = i < 4 ? 3000 + i : random.Next() % 24 - 2;
    const DrawnColor c{{static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(i * 13), static_cast<std::uint8_t>(i)}, i, i % 3 - 1};
    const std::vector<Point> star{{x, y - r}, {x + r, y + r}, {x - r, y}, {x + r, y}, {x - r, y + r}};
    ShapeBounds bounds = BoundsOf(star);
    PaintInColour paint = [=](const Canvas& k, Color rgb) { DrawPolygon(k, star, rgb, i % 4 == 2); };
    if (i % 4 == 0) {
      bounds = {y - r + 1, 2 * r - 1, 2 * r - 1};
      paint = [=](const Canvas& k, Color rgb) { DrawDisc(k, x, y, r, rgb); };
    } else if (i % 4 == 1) {
      bounds = {y, 3 * r, 5 * r};
      paint = [=](const Canvas& k, Color rgb) { FillRectangle(k, x, y, x + 5 * r, y + 3 * r, rgb); };
    }
    shapes.emplace_back(Drawn(bounds, ColouredShape{std::move(paint), c}), weights[i % 4]);
  }
  return shapes;
}

std::vector<std::pair<DrawnShape<PaintShape>, std::uint8_t>> MixedShapes(std::int32_t size) {
  std::vector<std::pair<DrawnShape<PaintShape>, std::uint8_t>> shapes;
  for (auto& [shape, weight] : MixedColouredShapes(size)) {
    const PaintShape paint = [p = shape.PaintOn](const Canvas& k, const PaintLayer& layer) { p.PaintIn(k, layer.ColorOf(p.Color)); };
    shapes.emplace_back(Drawn(shape.Bounds, paint), weight);
  }
  return shapes;
}

TEST(ShapeBatch, PaintsEveryPixelAsTheShapesPaintedOneByOne) {
  for (const bool connectable : {true, false}) {
    for (const std::int32_t bandRows : {1, 5, 64}) {
      Picture expected = test::WhitePicture(48, 37), banded = test::WhitePicture(48, 37);
      const PaintLayer layer{&banded};
      ShapeBatch<PaintShape> batch({&layer, 1}, connectable, RowBands(banded, connectable, bandRows));
      int n = 0;
      for (auto& [shape, weight] : MixedShapes(48)) {
        shape.PaintOn(Canvas{expected, connectable, weight}, layer);
        batch.Add(std::move(shape), weight);
        if (++n % 50 == 0) batch.PaintHeld();
      }
      batch.PaintHeld();
      EXPECT_TRUE(test::SamePixels(expected, banded)) << "connectable " << connectable << ", bands of " << bandRows;
    }
  }
}

TEST(ShapeBatch, AShapeInOneColourPaintsEveryLayerAsItPaintsThatLayerAlone) {
  Palette two;
  AddColor(two, {10, 200, 30});
  AddColor(two, {250, 0, 90});
  const MapColors mapColours = ColorsOfPalette(two), id = IdColors();
  for (const bool connectable : {true, false}) {
    std::vector<Picture> alone, together;
    for (int k = 0; k < 3; ++k) {
      alone.push_back(test::WhitePicture(48, 37));
      together.push_back(test::WhitePicture(48, 37));
    }
    const auto layersOf = [&](std::vector<Picture>& pictures) {
      return std::vector<PaintLayer>{{&pictures[0]}, {&pictures[1], &mapColours}, {&pictures[2], &id, true}};
    };
    const std::vector<PaintLayer> aloneLayers = layersOf(alone), togetherLayers = layersOf(together);
    ShapeBatch<ColouredShape> batch(togetherLayers, connectable, RowBands(together[0], connectable, 5));
    int n = 0;
    for (auto& [shape, weight] : MixedColouredShapes(48)) {
      for (const PaintLayer& layer : aloneLayers) {
        shape.PaintOn.PaintIn(Canvas{*layer.Target, connectable, layer.WeightOf(weight)}, layer.ColorOf(shape.PaintOn.Color));
      }
      batch.Add(std::move(shape), weight);
      batch.PaintHeld();  // each shape checked before later ones cover it
      for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(test::SamePixels(alone[k], together[k])) << "shape " << n << ", layer " << k << ", connectable " << connectable;
      }
      ++n;
    }
  }
}

TEST(ShapeBatch, AHeldShapeIsKeptOnceAndWhatItKeepsCountsTowardTheMemoryCap) {
  Picture picture = test::WhitePicture(16, 64);  // 3072 bytes: at most 384 held
  const auto paints = std::make_shared<int>(0);  // its use count tells the copies
  auto paint = [paints](const Canvas&, const PaintLayer&) { ++*paints; };
  const PaintLayer layer{&picture};
  ShapeBatch<decltype(paint)> batch({&layer, 1}, true, RowBands(picture, true, 8));
  batch.Add(Drawn({4, 8, 4}, paint, 10), 255);  // on two bands
  EXPECT_EQ(paints.use_count(), 3) << "one copy held for both bands";
  batch.Add(Drawn({4, 8, 4}, paint, 384), 255);
  EXPECT_EQ(*paints, 4) << "both painted as soon as what is held reaches the cap";
}

TEST(ShapeBatch, AShapeFailingOnAWorkerFailsThePaintingOnTheCaller) {
  Picture picture = test::WhitePicture(64, 256);
  WorkerPool workers(3);
  const PaintLayer layer{&picture};
  ShapeBatch<PaintShape> batch({&layer, 1}, true, &workers);
  for (int i = 0; i < 40; ++i) {
    batch.Add(Drawn<PaintShape>({i * 6, 4, 4}, [i](const Canvas&, const PaintLayer&) { if (i == 33) throw std::bad_alloc(); }), 255);
  }
  EXPECT_THROW(batch.PaintHeld(), std::bad_alloc);
}

TEST(RowBands, AShapeLandsOnTheBandsOfItsRowsWrappedOrCut) {
  const Picture picture = test::WhitePicture(8, 100);  // bands of 30 rows: 0, 30, 60, 90 (10 rows)
  const RowBands wrapping(picture, true, 30), cut(picture, false, 30);
  const auto bands = [](const RowBands& b, std::int64_t y, std::int64_t rows) {
    const RowBands::Run run = b.BandsOf({y, rows, 1});
    return std::pair{run.First, run.Count};
  };
  EXPECT_EQ(bands(wrapping, 29, 2), std::pair(0, 2));
  EXPECT_EQ(bands(wrapping, 95, 10), std::pair(3, 2)) << "rows 95 ... 99, then 0 ... 4";
  EXPECT_EQ(bands(wrapping, -5, 40), std::pair(3, 3)) << "rows 95 ... 99, then 0 ... 34";
  EXPECT_EQ(bands(wrapping, 10, 0), std::pair(0, 0));
  EXPECT_EQ(bands(cut, 95, 10), std::pair(3, 1));
  EXPECT_EQ(bands(cut, -5, 40), std::pair(0, 2));
  EXPECT_EQ(bands(cut, 100, 3), std::pair(0, 0));
  EXPECT_TRUE(RowBands(picture, true).Whole()) << "a small picture is painted shape by shape";
}

}  // namespace
}  // namespace tessmark

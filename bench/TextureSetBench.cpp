// The cost of maps painted along with a run, at 4096 x 4096 with discs of radius 8 to 32, on
// range(0) threads: the run alone, the run with one colour map (the aim is at most 1.6 times the
// run alone), and the normal map of the finished picture (the aim is under 0.2 s).

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <vector>

#include "paint/Generators.h"
#include "paint/NormalMap.h"

namespace tessmark {
namespace {

constexpr std::int32_t Size = 4096;
constexpr std::int32_t Discs = 100000;

Picture WhitePicture() {
  std::optional<Picture> picture = CreatePicture(Size, Size);
  if (!picture) throw std::runtime_error("no memory for the benchmark picture");
  return std::move(*picture);
}

// Random colours, as the desktop paints by default; the map takes four greys by them.
void PaintDiscs(Picture& picture, std::span<MapLayer> maps, WorkerPool* workers = nullptr) {
  std::uint8_t weight = 255;
  RandomValue random;
  const Palette palette;
  PaintContext context{picture, true, weight, random, palette, MixRange{100, 100}, [] { return false; },
                       [] { return 7u; }};
  context.Maps = maps;
  context.Workers = workers;
  PaintCircles(context, CircleParams{.Raymin = 8, .Raymax = 32, .Count = Discs});
}

MapColors Greys() {
  Palette greys;
  for (std::uint8_t v : {0, 85, 170, 255}) AddColor(greys, {v, v, v});
  return ColorsOfPalette(greys);
}

void BM_DiscsAlone(benchmark::State& state) {
  Picture picture = WhitePicture();
  WorkerPool workers(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) PaintDiscs(picture, {}, &workers);
  state.SetItemsProcessed(state.iterations() * Discs);
}
BENCHMARK(BM_DiscsAlone)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DiscsWithOneMap(benchmark::State& state) {
  Picture picture = WhitePicture();
  Picture map = WhitePicture();
  std::vector<MapLayer> layers{{map, Greys(), false, true, false, {}, 0}};
  WorkerPool workers(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) PaintDiscs(picture, layers, &workers);
  state.SetItemsProcessed(state.iterations() * Discs);
}
BENCHMARK(BM_DiscsWithOneMap)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_NormalMap(benchmark::State& state) {
  Picture picture = WhitePicture();
  PaintDiscs(picture, {});
  for (auto _ : state) benchmark::DoNotOptimize(NormalMap(picture, true, {}));
  state.SetItemsProcessed(state.iterations() * std::int64_t{Size} * Size);
}
BENCHMARK(BM_NormalMap)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessmark

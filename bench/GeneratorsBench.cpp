// Throughput of the shape generators, the fill and the noise filter on a 2048 x 2048 picture with
// wrap-around on, from a fixed seed: written pixels per second (a pixel a shape reaches twice
// counts twice) and shapes per second. Then discs at one density on pictures of 2048 to 16384
// square side by side, the same at 1 to 4 threads, and single shapes of a million pixels and more
// across. On a shared machine compare sizes or thread counts over interleaved repetitions:
//   --benchmark_filter=CirclesBySize --benchmark_repetitions=3 --benchmark_enable_random_interleaving=true

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <stdexcept>

#include "paint/Fill.h"
#include "paint/Generators.h"
#include "paint/Noise.h"
#include "picture/Rasterisers.h"

namespace tessmark {
namespace {

constexpr std::int32_t Size = 2048;
constexpr std::uint32_t Seed = 20240601;

using Generator = std::function<void(PaintContext&)>;

Picture WhitePicture(std::int32_t size = Size) {
  std::optional<Picture> picture = CreatePicture(size, size);
  if (!picture) throw std::runtime_error("no memory for the benchmark picture");
  return std::move(*picture);
}

// Shapes take their colour from a one-colour palette (black), so that a run at mixage 1 % (weight
// 2, and no draw for it, exactly like 100 % or 50 %) paints the same shapes and every write lowers
// a white channel one step along 255, 253, 251, ...: the final value tells how often a pixel was
// written.
Palette BlackPalette() {
  Palette palette;
  palette.AllColor = false;
  AddColor(palette, {0, 0, 0});
  return palette;
}

PaintContext MakeContext(Picture& picture, std::uint8_t& weight, RandomValue& random, const Palette& palette,
                         std::uint8_t percent, WorkerPool* workers = nullptr) {
  return PaintContext{.Target = picture,
                      .Connectable = true,
                      .CurrentBlendWeight = weight,
                      .Random = random,
                      .Palette = palette,
                      .MixRange = MixRange{percent, percent},
                      .EscapePressed = [] { return false; },
                      .Seed = [] { return Seed; },
                      .Workers = workers};
}

double CountWrites(const Generator& paint, std::int32_t size) {
  std::array<int, 256> writesForValue{};
  for (int v = 255, n = 0; v > 0; v = BlendChannel(static_cast<std::uint8_t>(v), 0, 2)) writesForValue[v] = n++;
  Picture picture = WhitePicture(size);
  std::uint8_t weight = 255;
  RandomValue random;
  const Palette palette = BlackPalette();
  PaintContext context = MakeContext(picture, weight, random, palette, 1);
  paint(context);
  double writes = 0;
  for (std::size_t i = 0; i < picture.ByteCount(); i += 3) {
    if (picture.Pixels()[i] == 0) throw std::runtime_error("a pixel was written too often to be counted");
    writes += writesForValue[picture.Pixels()[i]];
  }
  return writes;
}

// Counted once per benchmark, so that repetitions (interleaved, which a loaded machine needs for
// sizes to be compared) do not count again.
double CountedWrites(const std::string& what, const Generator& paint, std::int32_t size) {
  static std::map<std::pair<std::string, std::int32_t>, double> counted;
  const auto [found, fresh] = counted.try_emplace({what, size});
  if (fresh) found->second = CountWrites(paint, size);
  return found->second;
}

// Shapes per second.
void RunShapes(benchmark::State& state, const Generator& paint, std::int32_t shapes, std::uint8_t percent,
               std::int32_t size, WorkerPool* workers = nullptr) {
  Picture picture = WhitePicture(size);
  std::uint8_t weight = 255;
  RandomValue random;
  const Palette palette = BlackPalette();
  for (auto _ : state) {
    PaintContext context = MakeContext(picture, weight, random, palette, percent, workers);
    paint(context);
    benchmark::ClobberMemory();
  }
  state.counters["shapes/s"] = benchmark::Counter(shapes * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Shapes and written pixels per second.
void PaintShapes(benchmark::State& state, const std::string& what, const Generator& paint, std::int32_t shapes,
                 std::uint8_t percent, std::int32_t size = Size) {
  const double writes = CountedWrites(what, paint, size);
  RunShapes(state, paint, shapes, percent, size);
  state.counters["Mpixel/s"] =
      benchmark::Counter(writes * static_cast<double>(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

constexpr std::int32_t CircleCount = 4000;
constexpr std::int32_t RectangleCount = 12000;
constexpr std::int32_t PolygonCount = 1000;
constexpr std::int32_t VectorCount = 1000;

void Circles(benchmark::State& state, std::uint8_t percent) {
  CircleParams params;
  params.Count = CircleCount;
  PaintShapes(state, "circles", [&](PaintContext& c) { PaintCircles(c, params); }, CircleCount, percent);
}

void Rectangles(benchmark::State& state, std::uint8_t percent) {
  RectangleParams params;
  params.Count = RectangleCount;
  PaintShapes(state, "rectangles", [&](PaintContext& c) { PaintRectangles(c, params); }, RectangleCount, percent);
}

void FilledPolygons(benchmark::State& state, std::uint8_t percent) {
  PolygonParams params;
  params.Count = PolygonCount;
  params.Fill = 1;
  PaintShapes(state, "polygons", [&](PaintContext& c) { PaintPolygons(c, params); }, PolygonCount, percent);
}

void FilledVectors(benchmark::State& state, std::uint8_t percent) {
  VectorParams params;
  params.Count = VectorCount;
  PaintShapes(state, "vectors", [&](PaintContext& c) { PaintVectors(c, params); }, VectorCount, percent);
}

// Radius 8 to 32, one disc for every 40 pixels: the same picture at every size, only more of it.
void CirclesBySize(benchmark::State& state, std::uint8_t percent) {
  const auto size = static_cast<std::int32_t>(state.range(0));
  CircleParams params;
  params.Raymin = 8;
  params.Raymax = 32;
  params.Count = static_cast<std::int32_t>(std::int64_t{size} * size / 40);
  PaintShapes(state, "circles at one density", [&](PaintContext& c) { PaintCircles(c, params); }, params.Count, percent, size);
}

// Radius 8 to 32, one disc for every 10 pixels, on a picture of range(0) square painted by
// range(1) threads. Too many writes a pixel for them to be counted: shapes per second only.
void CirclesByThreads(benchmark::State& state, std::uint8_t percent) {
  const auto size = static_cast<std::int32_t>(state.range(0));
  WorkerPool workers(static_cast<std::int32_t>(state.range(1)));
  const CircleParams params{.Raymin = 8, .Raymax = 32, .Count = static_cast<std::int32_t>(std::int64_t{size} * size / 10)};
  RunShapes(state, [&](PaintContext& c) { PaintCircles(c, params); }, params.Count, percent, size, &workers);
}

// One shape at mixage 50 % (or the percentage given), each of its pixels written many times over;
// the same shape every time.
void HugeShape(benchmark::State& state, const Generator& paint, std::uint8_t percent = 50) {
  Picture picture = WhitePicture(static_cast<std::int32_t>(state.range(0)));
  std::uint8_t weight = 255;
  RandomValue random;
  const Palette palette = BlackPalette();
  for (auto _ : state) {
    PaintContext context = MakeContext(picture, weight, random, palette, percent);
    paint(context);
    benchmark::ClobberMemory();
  }
}

constexpr std::int32_t Million = 1'000'000;

void HugeDisc(benchmark::State& state) {
  const CircleParams params{.Raymin = Million, .Raymax = 2 * Million, .Count = 1};
  HugeShape(state, [&](PaintContext& c) { PaintCircles(c, params); });
}

void HugeRectangle(benchmark::State& state) {
  const RectangleParams params{.XMin = Million, .YMin = Million, .XMax = 2 * Million, .YMax = 2 * Million, .Count = 1};
  HugeShape(state, [&](PaintContext& c) { PaintRectangles(c, params); });
}

void HugePolygon(benchmark::State& state) {
  PolygonParams params;
  params.RayMin = Million;
  params.RayMax = 2 * Million;
  params.Count = 1;
  params.Fill = 1;
  HugeShape(state, [&](PaintContext& c) { PaintPolygons(c, params); });
}

void HugeStroke(benchmark::State& state) {
  VectorParams params;
  params.LengthMin = Million;
  params.LengthMax = 2 * Million;
  params.WeightMin = params.WeightMax = 800'000;
  params.Count = 1;
  params.Fill = 1;
  HugeShape(state, [&](PaintContext& c) { PaintVectors(c, params); });
}

// The costliest single shapes the dialogs let through, on pictures of range(0) square at mixage
// range(1) % (0 changes nothing, so it must cost nothing): the longest reach, and the longest
// thinnest strokes and outlines, which cover few pixels per row and so never settle a row early.
// A range draws at most 32767 above its minimum.
constexpr std::int32_t Longest = 2'147'483'647;
constexpr std::int32_t Nearest = Longest - 32767;

std::uint8_t Percent(const benchmark::State& state) { return static_cast<std::uint8_t>(state.range(1)); }

void WorstDisc(benchmark::State& state) {
  const CircleParams params{.Raymin = Longest - 1, .Raymax = Longest, .Count = 1};
  HugeShape(state, [&](PaintContext& c) { PaintCircles(c, params); }, Percent(state));
}

void WorstRectangle(benchmark::State& state) {
  const RectangleParams params{.XMin = 1, .YMin = Longest - 1, .XMax = 2, .YMax = Longest, .Count = 1};
  HugeShape(state, [&](PaintContext& c) { PaintRectangles(c, params); }, Percent(state));
}

void WorstPolygon(benchmark::State& state, std::uint8_t fill) {
  const PolygonParams params{.RayMin = Nearest, .RayMax = Longest, .AngMin = 0, .AngMax = 1, .Count = 1, .Fill = fill};
  HugeShape(state, [&](PaintContext& c) { PaintPolygons(c, params); }, Percent(state));
}

// Angle steps of a degree more than a third of a turn make two far vertices: a polygon that is a line
// some four billion rows long, tilted just off the vertical.
void WorstSpike(benchmark::State& state) {
  const PolygonParams params{.RayMin = Nearest, .RayMax = Longest, .AngMin = 121, .AngMax = 121, .Count = 1, .Fill = 1};
  HugeShape(state, [&](PaintContext& c) { PaintPolygons(c, params); }, Percent(state));
}

void WorstStroke(benchmark::State& state, std::uint8_t fill) {
  const VectorParams params{
      .LengthMin = Nearest, .LengthMax = Longest, .WeightMin = 1, .WeightMax = 2, .Count = 1, .Fill = fill};
  HugeShape(state, [&](PaintContext& c) { PaintVectors(c, params); }, Percent(state));
}

// A stroke of no width, filled, at range(1) degrees and weight range(2): a line there and back whose
// rows write a pixel only where the line is not on a whole column. Near level and at the lowest
// weights too few writes reach a pixel for it to settle, so every one is counted.
void WorstFlatStroke(benchmark::State& state) {
  Picture picture = WhitePicture(static_cast<std::int32_t>(state.range(0)));
  const double theta = static_cast<double>(state.range(1)) / 180.0 * 3.141592653589793;
  const Point start{1000, 1000};
  const Point end{TruncateToInt32(1000 + std::cos(theta) * Longest), TruncateToInt32(1000 + std::sin(theta) * Longest)};
  const std::array<Point, 4> corners{start, end, end, start};
  for (auto _ : state) {
    DrawPolygon(Canvas{picture, true, static_cast<std::uint8_t>(state.range(2))}, corners, {0, 0, 0}, true);
    benchmark::ClobberMemory();
  }
}

void WholePicture(benchmark::State& state, const std::function<void(Picture&)>& operation) {
  Picture picture = WhitePicture();
  for (auto _ : state) {
    operation(picture);
    benchmark::ClobberMemory();
  }
  state.counters["Mpixel/s"] =
      benchmark::Counter(double(Size) * Size * static_cast<double>(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void Noise(benchmark::State& state, bool monochrome) {
  RandomValue random;
  const NoiseParams params{std::uint8_t(monochrome), 30, {}, 42};
  WholePicture(state, [&](Picture& picture) { NoiseFilter(picture, params, random, 0); });
}

void Fill(benchmark::State& state, std::uint8_t weight) {
  WholePicture(state, [&](Picture& picture) { FillPicture(picture, {10, 20, 30}, false, true, weight); });
}

BENCHMARK_CAPTURE(Circles, weight255, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Circles, weight127, 50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rectangles, weight255, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rectangles, weight127, 50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FilledPolygons, weight255, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FilledPolygons, weight127, 50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FilledVectors, weight255, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FilledVectors, weight127, 50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CirclesBySize, weight255, 100)->Arg(2048)->Arg(4096)->Arg(8192)->Arg(16384)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CirclesBySize, weight127, 50)->Arg(2048)->Arg(4096)->Arg(8192)->Arg(16384)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CirclesByThreads, weight255, 100)->ArgsProduct({{2048, 16384}, {1, 2, 3, 4}})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CirclesByThreads, weight127, 50)->ArgsProduct({{2048, 16384}, {1, 2, 3, 4}})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(HugeDisc)->Arg(512)->Arg(2048)->Arg(16384)->Unit(benchmark::kMillisecond);
BENCHMARK(HugeRectangle)->Arg(512)->Arg(2048)->Arg(16384)->Unit(benchmark::kMillisecond);
BENCHMARK(HugePolygon)->Arg(512)->Arg(2048)->Arg(16384)->Unit(benchmark::kMillisecond);
BENCHMARK(HugeStroke)->Arg(512)->Arg(2048)->Arg(16384)->Unit(benchmark::kMillisecond);
BENCHMARK(WorstDisc)->Args({2048, 50})->Args({2048, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(WorstRectangle)->Args({2048, 50})->Args({2048, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorstPolygon, filled, 1)->Args({2048, 50})->Args({2048, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorstPolygon, outline, 0)->Args({2048, 50})->Args({2048, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(WorstSpike)->Args({2048, 50})->Args({2048, 1})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorstStroke, filled, 1)->Args({2048, 50})->Args({2048, 1})->Args({2048, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorstStroke, outline, 0)->Args({2048, 50})->Args({2048, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(WorstFlatStroke)->Args({2048, 209, 1})->Args({2048, 331, 1})->Args({2048, 209, 128})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Noise, colour, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Noise, monochrome, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fill, weight127, 127)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessmark

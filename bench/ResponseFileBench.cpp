// Reading the largest response file accepted (16 MiB), as one line and as many short ones, and
// splitting a files= list of that size: each must stay one pass over the bytes.

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "recipe/Quoting.h"
#include "recipe/ResponseFile.h"

namespace tessmark {
namespace {

constexpr std::size_t Bytes = 16u << 20;

std::string Repeated(std::string_view piece) {
  std::string text;
  text.reserve(Bytes);
  while (text.size() + piece.size() <= Bytes) text += piece;
  return text;
}

void Words(benchmark::State& state, std::string_view piece) {
  const std::string text = Repeated(piece);
  for (auto _ : state) {
    const auto words = ResponseFileWords(text, "bench");
    if (!words) throw std::runtime_error(words.Error);
    benchmark::DoNotOptimize(words.Value->data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
}

void FileList(benchmark::State& state) {
  const std::string text = Repeated(R"("/My Pics/a, b.png";)");
  for (auto _ : state) benchmark::DoNotOptimize(SplitOutsideQuotes(text, ';').data());
  state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
}

BENCHMARK_CAPTURE(Words, oneLine, "--seed 1 ")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Words, shortLines, "--seed 1\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Words, quotedPaths, "--input \"/My Pics/a b.png\"\n")->Unit(benchmark::kMillisecond);
BENCHMARK(FileList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessmark

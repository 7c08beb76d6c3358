// Store speed: a full history (128 snapshots of 10,000 characters) saved and
// loaded, and scrambling cost per character.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include <unistd.h>

#include "storage/history_store.h"
#include "storage/scramble.h"

namespace {

namespace fs = std::filesystem;

std::u16string MixedText(std::size_t n, unsigned seed) {
  std::mt19937 g(seed);
  std::uniform_int_distribution<int> pick(0, 3);
  const std::u16string pieces[] = {u"正弦(", u"1.25*", u"[1 2,3 4]", u")\n"};
  std::u16string text;
  while (text.size() < n) text += pieces[pick(g)];
  text.resize(n);
  return text;
}

zuvo::PairStore FullHistory() {
  zuvo::PairStore h = zuvo::NewHistory();
  for (unsigned i = 0; i < 128; ++i) zuvo::AddHistoryNode(h, MixedText(10000, i));
  return h;
}

fs::path BenchFile() { return fs::temp_directory_path() / ("zuvo-store-bench-" + std::to_string(::getpid()) + ".mqh"); }

void BM_SaveFullHistory(benchmark::State& state) {
  const zuvo::PairStore h = FullHistory();
  const fs::path path = BenchFile();
  for (auto _ : state) {
    if (!zuvo::SaveHistory(h, path)) state.SkipWithError("save failed");
  }
  state.counters["file_MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
  fs::remove(path);
}
BENCHMARK(BM_SaveFullHistory)->Unit(benchmark::kMillisecond);

void BM_LoadFullHistory(benchmark::State& state) {
  const zuvo::PairStore h = FullHistory();
  const fs::path path = BenchFile();
  if (!zuvo::SaveHistory(h, path)) state.SkipWithError("save failed");
  for (auto _ : state) {
    zuvo::PairStore loaded = zuvo::LoadHistory(path);
    if (loaded.Count() != 128) state.SkipWithError("load lost nodes");
    benchmark::DoNotOptimize(loaded);
  }
  fs::remove(path);
}
BENCHMARK(BM_LoadFullHistory)->Unit(benchmark::kMillisecond);

// Time per character should stay flat as the text grows.
void BM_Scramble(benchmark::State& state) {
  const std::u16string text = MixedText(static_cast<std::size_t>(state.range(0)), 1);
  std::mt19937 g(1);
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::ScrambleText(text, g));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Scramble)->RangeMultiplier(8)->Range(1 << 10, 1 << 22)->Complexity(benchmark::oN);

void BM_Unscramble(benchmark::State& state) {
  std::mt19937 g(1);
  const std::string text = zuvo::ScrambleText(MixedText(static_cast<std::size_t>(state.range(0)), 1), g);
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::UnscrambleText(text));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Unscramble)->RangeMultiplier(8)->Range(1 << 10, 1 << 22)->Complexity(benchmark::oN);

}  // namespace

// Speed of the applied functions on the largest inputs a line can give them.
#include <benchmark/benchmark.h>

#include "engine/value.h"
#include "library/applied/combinatorics.h"
#include "library/applied/distributions.h"
#include "library/applied/random.h"

namespace {

void BM_NormalOfFullGrid(benchmark::State& state) {
  zuvo::SeedRandom(1);
  const zuvo::Value x = zuvo::RandomFillRange(100, 100, -5, 5, u"实数");
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::NormalAt(x, 0, 1));
}
BENCHMARK(BM_NormalOfFullGrid)->Unit(benchmark::kMillisecond);

void BM_Fibonacci1000(benchmark::State& state) {
  const zuvo::Value x = zuvo::Value::Number(1000);
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::FibonacciNumbers(x, 10));
}
BENCHMARK(BM_Fibonacci1000)->Unit(benchmark::kMicrosecond);

void BM_Catalan100(benchmark::State& state) {
  const zuvo::Value x = zuvo::Value::Number(100);
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::CatalanNumbers(x, 10));
}
BENCHMARK(BM_Catalan100)->Unit(benchmark::kMicrosecond);

void BM_CombinationsOfFullGrid(benchmark::State& state) {
  zuvo::Value n = zuvo::Value::Shaped(100, 100), k = zuvo::Value::Shaped(100, 100);
  for (std::size_t i = 0; i < n.Size(); ++i) {
    n.Cell(i) = 1000 + static_cast<double>(i % 100);
    k.Cell(i) = static_cast<double>(i % 500);
  }
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::CombinationsOf(n, k, 10));
}
BENCHMARK(BM_CombinationsOfFullGrid)->Unit(benchmark::kMillisecond);

}  // namespace
